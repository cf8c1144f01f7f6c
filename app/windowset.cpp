#include "app/windowset.h"

#include "about/Unit5.h"
#include "calendar/Unit2.h"
#include "clock/Unit1.h"
#include "stopwatch/Unit4.h"
#include "timer/Unit3.h"

namespace app {

namespace {

template <class Form>
void releaseForm(Form*& form)
{
    delete form;
    form = nullptr;
}

} // namespace

WindowSet::WindowSet(const ui::Services& services)
{
    try {
        Form1 = new TForm1(services);
        Form2 = new TForm2(services);
        Form3 = new TForm3(services);
        Form4 = new TForm4(services);
        Form5 = new TForm5(services);
    } catch (...) {
        release();
        throw;
    }
}

WindowSet::~WindowSet()
{
    release();
}

void WindowSet::release()
{
    releaseForm(Form5);
    releaseForm(Form4);
    releaseForm(Form3);
    releaseForm(Form2);
    releaseForm(Form1);
}

} // namespace app
