#pragma once

#include "ui/form.h"
#include "ui/image.h"

// The stopwatch strip.
class TForm4 : public ui::TForm
{
public:
    explicit TForm4(const ui::Services& services);

    ui::TImage* Image1 = nullptr;
};

extern TForm4* Form4;
