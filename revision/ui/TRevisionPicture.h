// The revision menu's left page: its picture.
#pragma once

#include "shell/TFormView.h"

class TRevisionPicture : public TFormView {
public:
    TRevisionPicture();
    ~TRevisionPicture() override;
    void Activate() override;
};
