#include "revision/ui/TRevisionPicture.h"

#include "forms/TRevisionStg.h"
#include "platform/Controls.h"
#include "shell/TBookForm.h"

TRevisionPicture::TRevisionPicture() {
    Host = BookForm;
    ViewName = "ReviPic";
}

TRevisionPicture::~TRevisionPicture() {
    BeforeDestruction();
}

void TRevisionPicture::Activate() {
    TFormView::Activate();
    Borrow(RevisionStg->Panel1, BookForm->LeftPage);
    RevisionStg->Panel1->move(0, 0);
}
