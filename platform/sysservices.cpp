#include <vok/Vok_sysservices.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace vok {

bool TClipboard::HasText() const
{
    const QMimeData* Data = QGuiApplication::clipboard()->mimeData();
    return Data && Data->hasText();
}

QString TClipboard::GetAsText() const { return QGuiApplication::clipboard()->text(); }

void TClipboard::SetAsText(const QString& Text) { QGuiApplication::clipboard()->setText(Text); }

void TClipboard::Clear() { QGuiApplication::clipboard()->clear(); }

TClipboard& Clipboard()
{
    static TClipboard Instance;
    return Instance;
}

namespace {
TBeepHook& BeepHook()
{
    static TBeepHook Hook;
    return Hook;
}
} // namespace

void MessageBeep(int Type)
{
    if (BeepHook())
        BeepHook()(Type);
    else
        QApplication::beep();
}

void SetMessageBeepHook(TBeepHook Hook) { BeepHook() = std::move(Hook); }

Qt::CursorShape CursorShape(TCursor Cursor)
{
    switch (Cursor) {
    case crNone: return Qt::BlankCursor;
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crUpArrow: return Qt::UpArrowCursor;
    case crHourGlass:
    case crSQLWait: return Qt::WaitCursor;
    case crDrag:
    case crMultiDrag: return Qt::DragCopyCursor;
    case crNoDrop:
    case crNo: return Qt::ForbiddenCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    case crAppStart: return Qt::BusyCursor;
    case crHelp: return Qt::WhatsThisCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
    }
}

void TScreen::SetCursor(TCursor Value)
{
    if (FCursor == Value)
        return;
    if (Value == crDefault)
        QGuiApplication::restoreOverrideCursor();
    else if (FCursor == crDefault)
        QGuiApplication::setOverrideCursor(QCursor(CursorShape(Value)));
    else
        QGuiApplication::changeOverrideCursor(QCursor(CursorShape(Value)));
    FCursor = Value;
}

TScreen& Screen()
{
    static TScreen Instance;
    return Instance;
}

TScreenCursorScope::TScreenCursorScope(TCursor Cursor)
    : FSaved(Screen().GetCursor())
{
    Screen().SetCursor(Cursor);
}

TScreenCursorScope::~TScreenCursorScope() { Screen().SetCursor(FSaved); }

} // namespace vok
