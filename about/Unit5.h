#pragma once

#include "ui/form.h"
#include "ui/image.h"

// The about window: version, usage and the author's site.
class TForm5 : public ui::TForm
{
public:
    explicit TForm5(const ui::Services& services);

    ui::TImage* Image1 = nullptr;
};

extern TForm5* Form5;
