#include "ui/layout.h"

#include "ui/layouterror.h"

#include <optional>

namespace ui {

namespace {

struct Token {
    enum class Kind { End, Identifier, Integer, String, Symbol };
    Kind kind = Kind::End;
    QString text;
    qint64 integer = 0;
    int line = 1;
};

class Lexer
{
public:
    Lexer(const QString& layout, const QString& text) : layout_(layout), text_(text) {}

    Token next()
    {
        skipSpace();
        Token token;
        token.line = line_;
        if (pos_ >= text_.size())
            return token;
        const QChar c = text_[pos_];
        if (c.isLetter() || c == u'_') {
            token.kind = Token::Kind::Identifier;
            while (pos_ < text_.size() && (text_[pos_].isLetterOrNumber() || text_[pos_] == u'_' || text_[pos_] == u'.'))
                token.text += text_[pos_++];
        } else if (c.isDigit() || c == u'-' || c == u'$') {
            token.kind = Token::Kind::Integer;
            token.integer = readInteger();
        } else if (c == u'\'' || c == u'#') {
            token.kind = Token::Kind::String;
            token.text = readString();
        } else if (QStringLiteral("=:[](),+").contains(c)) {
            token.kind = Token::Kind::Symbol;
            token.text = c;
            ++pos_;
        } else {
            fail(QStringLiteral("unexpected character '%1'").arg(c));
        }
        return token;
    }

    [[noreturn]] void fail(const QString& message, const QString& item = {}) const
    {
        throw LayoutError(layout_, line_, item, message);
    }

private:
    void skipSpace()
    {
        while (pos_ < text_.size() && text_[pos_].isSpace()) {
            if (text_[pos_] == u'\n')
                ++line_;
            ++pos_;
        }
    }

    qint64 readInteger()
    {
        bool negative = false;
        if (text_[pos_] == u'-') {
            negative = true;
            ++pos_;
        }
        int base = 10;
        if (pos_ < text_.size() && text_[pos_] == u'$') {
            base = 16;
            ++pos_;
        }
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_].isLetterOrNumber())
            ++pos_;
        bool ok = false;
        const qint64 value = text_.mid(start, pos_ - start).toLongLong(&ok, base);
        if (!ok || start == pos_)
            fail(QStringLiteral("malformed number '%1'").arg(text_.mid(start, pos_ - start)));
        return negative ? -value : value;
    }

    // 'quoted' parts (with '' for a quote) and #nnn character codes, side by side.
    QString readString()
    {
        QString result;
        while (pos_ < text_.size()) {
            if (text_[pos_] == u'\'') {
                ++pos_;
                for (;;) {
                    if (pos_ >= text_.size() || text_[pos_] == u'\n')
                        fail(QStringLiteral("unterminated string"));
                    if (text_[pos_] == u'\'') {
                        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\'') {
                            result += u'\'';
                            pos_ += 2;
                            continue;
                        }
                        ++pos_;
                        break;
                    }
                    result += text_[pos_++];
                }
            } else if (text_[pos_] == u'#') {
                ++pos_;
                const qsizetype start = pos_;
                while (pos_ < text_.size() && text_[pos_].isDigit())
                    ++pos_;
                bool ok = false;
                const uint code = text_.mid(start, pos_ - start).toUInt(&ok);
                if (!ok || code > 0x10FFFF)
                    fail(QStringLiteral("malformed character code"));
                result += QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
            } else {
                break;
            }
        }
        return result;
    }

    QString layout_;
    QString text_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

class Parser
{
public:
    Parser(const QString& layout, const QString& text) : layout_(layout), lexer_(layout, text) { advance(); }

    LayoutObject parseDocument()
    {
        if (!isIdentifier(u"object"))
            fail(QStringLiteral("a layout begins with 'object Name: TClass'"));
        LayoutObject root = parseObject();
        if (current_.kind != Token::Kind::End)
            fail(QStringLiteral("unexpected text after the last 'end'"));
        return root;
    }

private:
    void advance() { current_ = lexer_.next(); }

    [[noreturn]] void fail(const QString& message, const QString& item = {}) const
    {
        throw LayoutError(layout_, current_.line, item, message);
    }

    bool isIdentifier(QStringView word) const
    {
        return current_.kind == Token::Kind::Identifier && current_.text.compare(word, Qt::CaseInsensitive) == 0;
    }

    bool isSymbol(QChar symbol) const
    {
        return current_.kind == Token::Kind::Symbol && current_.text == symbol;
    }

    QString expectIdentifier(const QString& what, const QString& item)
    {
        if (current_.kind != Token::Kind::Identifier)
            fail(QStringLiteral("expected %1").arg(what), item);
        QString text = current_.text;
        advance();
        return text;
    }

    void expectSymbol(QChar symbol, const QString& after, const QString& item)
    {
        if (!isSymbol(symbol))
            fail(QStringLiteral("expected '%1' after '%2'").arg(symbol).arg(after), item);
        advance();
    }

    LayoutObject parseObject()
    {
        LayoutObject object;
        object.line = current_.line;
        advance(); // 'object'
        object.name = expectIdentifier(QStringLiteral("a component name after 'object'"), {});
        expectSymbol(u':', object.name, object.name);
        object.className = expectIdentifier(QStringLiteral("a class name"), object.name);
        for (;;) {
            // Named where the unclosed block begins: the end of the text says little.
            if (current_.kind == Token::Kind::End)
                throw LayoutError(layout_, object.line, object.name, QStringLiteral("missing 'end'"));
            if (isIdentifier(u"end")) {
                advance();
                return object;
            }
            if (isIdentifier(u"object")) {
                object.children.push_back(parseObject());
                continue;
            }
            object.properties.push_back(parseProperty(object.name));
        }
    }

    LayoutProperty parseProperty(const QString& item)
    {
        LayoutProperty property;
        property.line = current_.line;
        property.name = expectIdentifier(QStringLiteral("a property name or 'end'"), item);
        expectSymbol(u'=', property.name, item);
        // A value stands on the line of its property.
        if (current_.kind == Token::Kind::End || current_.line != property.line)
            throw LayoutError(layout_, property.line, item + u'.' + property.name, QStringLiteral("missing value"));
        property.value = parseValue(item + u'.' + property.name);
        return property;
    }

    LayoutValue parseValue(const QString& item)
    {
        LayoutValue value;
        switch (current_.kind) {
        case Token::Kind::Integer:
            value.kind = LayoutValue::Kind::Integer;
            value.integer = current_.integer;
            advance();
            return value;
        case Token::Kind::String:
            value.kind = LayoutValue::Kind::String;
            value.text = parseString(item);
            return value;
        case Token::Kind::Identifier:
            value.kind = LayoutValue::Kind::Identifier;
            value.text = current_.text;
            advance();
            return value;
        case Token::Kind::Symbol:
            if (isSymbol(u'['))
                return parseSet(item);
            if (isSymbol(u'('))
                return parseStringList(item);
            break;
        case Token::Kind::End:
            break;
        }
        fail(QStringLiteral("missing value"), item);
    }

    // Long strings may be split into pieces joined by '+'.
    QString parseString(const QString& item)
    {
        QString text = current_.text;
        advance();
        while (isSymbol(u'+')) {
            advance();
            if (current_.kind != Token::Kind::String)
                fail(QStringLiteral("expected a string after '+'"), item);
            text += current_.text;
            advance();
        }
        return text;
    }

    LayoutValue parseSet(const QString& item)
    {
        LayoutValue value;
        value.kind = LayoutValue::Kind::Set;
        advance(); // '['
        while (!isSymbol(u']')) {
            value.items << expectIdentifier(QStringLiteral("a set element or ']'"), item);
            if (isSymbol(u','))
                advance();
            else if (!isSymbol(u']'))
                fail(QStringLiteral("expected ',' or ']'"), item);
        }
        advance();
        return value;
    }

    LayoutValue parseStringList(const QString& item)
    {
        LayoutValue value;
        value.kind = LayoutValue::Kind::StringList;
        advance(); // '('
        while (!isSymbol(u')')) {
            if (current_.kind != Token::Kind::String)
                fail(QStringLiteral("expected a string or ')'"), item);
            value.items << parseString(item);
        }
        advance();
        return value;
    }

    QString layout_;
    Lexer lexer_;
    Token current_;
};

} // namespace

LayoutObject parseLayout(const QString& layoutName, const QByteArray& text)
{
    return Parser(layoutName, QString::fromUtf8(text)).parseDocument();
}

} // namespace ui
