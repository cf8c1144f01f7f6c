#pragma once

#include "ui/form.h"
#include "ui/image.h"

// The month calendar below the clock.
class TForm2 : public ui::TForm
{
public:
    explicit TForm2(const ui::Services& services);

    ui::TImage* Image1 = nullptr;
};

extern TForm2* Form2;
