// The two editors the table editor lays over itself: a single-line edit for
// names and attributes and a memo for the table's comment. Enter stores and
// closes, Escape closes without storing.
#pragma once

#include <vok/Vok_edit.h>
#include <vok/Vok_ntabed.h>

#include <QPlainTextEdit>

namespace vok {

class TNTabEdNameEditor : public TEdit
{
    Q_OBJECT
public:
    explicit TNTabEdNameEditor(TNTabEd* Editor);
    void KeyPress(QChar& Key) override;

private:
    TNTabEd* FEditor;
};

class TNTabEdCommentEditor : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit TNTabEdCommentEditor(TNTabEd* Editor);

protected:
    void keyPressEvent(QKeyEvent* Event) override;

private:
    TNTabEd* FEditor;
};

} // namespace vok
