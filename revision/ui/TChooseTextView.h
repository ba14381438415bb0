// The story chooser: the learner continues the story being typed or picks a
// new one from the story files, with a preview of its beginning. A text
// event whose text source is "ASK:" with a file mask runs it before the
// event shows.
#pragma once

#include "files/TextUtils.h"
#include "shell/TFormView.h"

#include <QPointer>

#include <cstdint>
#include <string>

class QStyledItemDelegate;
class TViewCanvas;

class TChooseTextView : public TFormView {
public:
    // Result codes.
    enum { crNewStory = 1, crContinue = 2, crBack = 3 };

    TChooseTextView();
    ~TChooseTextView() override;

    // The story to continue ("" for none); set before the page runs.
    std::string FCurrentStory;
    // The story chosen; read after the page has closed.
    std::string FChosenFile;
    // The file names in list order.
    TStringList FFiles;
    // The beginning of the selected story.
    QPointer<TViewCanvas> FPreview;

    // Fills the list from the story names (without extension) and the mask
    // ("*.exm"): author and description of each, or "[User file]" and the
    // name for a file without a description. Returns 0, or the open status
    // of the last file when that did not open.
    int32_t Fill(const TStringList& Names, const std::string& Mask);

    void Activate() override;
    void KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) override;
    void Deactivate() override;
    void ButtonClick(QObject* Sender);
    // Shows the selected story's copyright and its long description, or its
    // text when it has none.
    void Preview();

private:
    QStyledItemDelegate* FPainter = nullptr;
    QMetaObject::Connection FListClick;
    QMetaObject::Connection FNewStoryClick;
};

// What "ASK:" runs: the chooser over the story names of the mask, with the
// learner's story to continue. Returns the page's result; Chosen is the story
// chosen when it is 1.
int ChooseStory(const TStringList& Names, const std::string& Mask, const std::string& CurrentStory,
                std::string& Chosen);
