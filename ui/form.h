#pragma once

#include "ui/component.h"
#include "ui/fonts.h"
#include "ui/services.h"

#include <QHash>
#include <QPoint>

#include <functional>
#include <memory>
#include <variant>
#include <vector>

class QWidget;

namespace ui {

class TApplication;
class TControl;

// A top-level window whose components, properties and event bindings come
// from a layout. Closing the main form ends the program; closing any other
// form only hides it.
class TForm : public TComponent
{
    Q_OBJECT
public:
    TForm(const Services& services, const QString& name, const QString& className);
    ~TForm() override;

    QString className() const override { return className_; }
    const Services& services() const { return services_; }
    TApplication& application() const { return services_.application; }

    // Shows, raises and activates; on a shown form only raises and activates.
    void show();
    void close();
    bool visible() const;

    int top() const;
    int left() const;
    void setTop(int top);
    void setLeft(int left);

    bool alphaBlend() const { return alphaBlend_; }
    void setAlphaBlend(bool on);
    int alphaBlendValue() const { return alphaBlendValue_; }

    QString hint() const { return hint_; }
    void setHint(const QString& hint) { hint_ = hint; }
    bool showHint() const { return showHint_; }

    QString caption() const { return caption_; }
    const TFont& font() const { return font_; }
    TColor color() const { return color_; }

    // Puts the keyboard focus on the form's window.
    void setFocus();

    // The component layer's own access to the window; units never use it.
    QWidget* window() const { return window_.get(); }
    void addControl(TControl* control);

    // Where the left button last went down on one of the form's controls,
    // and where the pointer is now; window drags start from them.
    struct Press {
        TControl* control = nullptr;
        QPoint global;
        QPoint windowPosition;
    };
    void notePress(TControl* control, QPoint global);
    void notePointer(QPoint global) { pointer_ = global; }
    const Press& lastPress() const { return press_; }
    QPoint pointer() const { return pointer_; }
    bool isDragging() const { return dragging_; }
    void beginDrag() { dragging_ = true; }
    void endDrag() { dragging_ = false; }

    // Whether the window keeps its place above other applications' windows
    // now; see TApplication for when a companion gives it up.
    bool keptOnTop() const;
    void keepOnTop(bool on);

    void applyLayoutProperty(const LayoutProperty& property, const LayoutContext& context) override;
    void insertComponent(TComponent* child) override;
    void loaded() override;

    using Handler = std::variant<TNotifyEvent, TMouseMoveEvent>;
    const Handler* handler(const QString& name) const;

protected:
    // Builds the form from its layout among the resources, binds the fields
    // and handlers published before, and runs OnCreate. Throws LayoutError.
    void load(const QString& layoutName);
    void loadFromText(const QString& layoutName, const QByteArray& text);

    void publish(const QString& name, TNotifyEvent handler) { handlers_.insert(name, std::move(handler)); }

    template <class Form>
    void publish(const QString& name, void (Form::*method)(TObject*))
    {
        handlers_.insert(name, TNotifyEvent([this, method](TObject* sender) {
                             (static_cast<Form*>(this)->*method)(sender);
                         }));
    }

    template <class Form>
    void publish(const QString& name, void (Form::*method)(TObject*, TShiftState, int, int))
    {
        handlers_.insert(name, TMouseMoveEvent([this, method](TObject* sender, TShiftState shift, int x, int y) {
                             (static_cast<Form*>(this)->*method)(sender, shift, x, y);
                         }));
    }

    // Declares that the layout must have a component `name` of class T and
    // that `slot` points at it once the form is loaded.
    template <class T>
    void field(const QString& name, T*& slot)
    {
        fields_.push_back({name, T::staticMetaObject.className(), [&slot](TComponent* component) {
                               slot = qobject_cast<T*>(component);
                               return slot != nullptr;
                           }});
    }

private:
    friend class LayoutLoader;

    struct Field {
        QString name;
        const char* className;
        std::function<bool(TComponent*)> bind;
    };

    void realign();
    void orderFocusChain();
    void placeOnFirstShow();

    Services services_;
    QString className_;
    std::unique_ptr<QWidget> window_;
    std::vector<TControl*> controls_;
    QHash<QString, Handler> handlers_;
    std::vector<Field> fields_;
    TNotifyEvent onCreate_;
    QString caption_;
    QString hint_;
    TFont font_;
    TColor color_ = clBtnFace;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    int alphaBlendValue_ = 255;
    bool alphaBlend_ = false;
    bool showHint_ = false;
    bool stayOnTop_ = false;
    bool borderless_ = false;
    bool centreOnFirstShow_ = false;
    bool shownBefore_ = false;
    bool dragging_ = false;
    bool keptOnTop_ = false;
    Press press_;
    QPoint pointer_;
};

} // namespace ui
