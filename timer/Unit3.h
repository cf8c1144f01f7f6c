#pragma once

#include "ui/form.h"
#include "ui/image.h"

// The countdown timer strip.
class TForm3 : public ui::TForm
{
public:
    explicit TForm3(const ui::Services& services);

    ui::TImage* Image1 = nullptr;
};

extern TForm3* Form3;
