// The gallery: every component live, one page per subsystem.
//
//   vok_gallery                    opens the window
//   vok_gallery --screenshot DIR   writes DIR/<page>.png for every page and exits
//   --dark                         a dark palette (the components follow it)
//   --compact                      screenshots at the window's smallest size
#include "GalleryPages.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

#include <cstdio>

namespace {

QWidget* ComingPage(const vok::gallery::PageEntry& Entry)
{
    auto* Page = new QWidget;
    auto* Layout = new QVBoxLayout(Page);
    auto* Title = new QLabel(QStringLiteral("<h2>%1</h2>").arg(Entry.Title.toHtmlEscaped()));
    auto* Text = new QLabel(QStringLiteral("Coming: %1").arg(Entry.Coming.toHtmlEscaped()));
    Text->setWordWrap(true);
    Layout->addWidget(Title);
    Layout->addWidget(Text);
    Layout->addStretch();
    return Page;
}

class GalleryWindow : public QWidget
{
public:
    GalleryWindow()
    {
        setWindowTitle(QStringLiteral("Vok Components Gallery"));
        auto* Layout = new QHBoxLayout(this);
        FIndex = new QListWidget;
        FIndex->setFixedWidth(170);
        FStack = new QStackedWidget;
        Layout->addWidget(FIndex);
        Layout->addWidget(FStack, 1);
        for (const vok::gallery::PageEntry& Entry : vok::gallery::Pages()) {
            FIndex->addItem(Entry.Title);
            FStack->addWidget(Entry.Factory ? Entry.Factory() : ComingPage(Entry));
        }
        connect(FIndex, &QListWidget::currentRowChanged, FStack, &QStackedWidget::setCurrentIndex);
        FIndex->setCurrentRow(0);
        resize(1100, 760);
    }

    int PageCount() const { return FStack->count(); }
    QString PageTitle(int I) const { return FIndex->item(I)->text(); }
    void ShowPage(int I) { FIndex->setCurrentRow(I); }

private:
    QListWidget* FIndex;
    QStackedWidget* FStack;
};

// A dark variant of the style's palette.
QPalette DarkPalette()
{
    QPalette P = QApplication::style()->standardPalette();
    const QColor Window(0x35, 0x35, 0x35), Base(0x23, 0x23, 0x23), Text(0xE0, 0xE0, 0xE0);
    for (const QPalette::ColorGroup Group : {QPalette::Active, QPalette::Inactive}) {
        P.setColor(Group, QPalette::Window, Window);
        P.setColor(Group, QPalette::Button, Window);
        P.setColor(Group, QPalette::Base, Base);
        P.setColor(Group, QPalette::AlternateBase, Window);
        P.setColor(Group, QPalette::WindowText, Text);
        P.setColor(Group, QPalette::ButtonText, Text);
        P.setColor(Group, QPalette::Text, Text);
        P.setColor(Group, QPalette::Light, QColor(0x60, 0x60, 0x60));
        P.setColor(Group, QPalette::Midlight, QColor(0x4A, 0x4A, 0x4A));
        P.setColor(Group, QPalette::Dark, QColor(0x20, 0x20, 0x20));
        P.setColor(Group, QPalette::Mid, QColor(0x2A, 0x2A, 0x2A));
        P.setColor(Group, QPalette::Shadow, QColor(0x10, 0x10, 0x10));
        P.setColor(Group, QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
    }
    P.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    P.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    P.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    return P;
}

int WriteScreenshots(GalleryWindow& Window, const QString& Dir, bool Compact)
{
    if (!QDir().mkpath(Dir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(Dir));
        return 1;
    }
    Window.show();
    for (int I = 0; I < Window.PageCount(); ++I) {
        Window.ShowPage(I);
        if (Compact)
            Window.resize(Window.minimumSizeHint());
        QApplication::processEvents();
        const QString File = QDir(Dir).filePath(vok::gallery::ScreenshotName(Window.PageTitle(I)));
        if (!Window.grab().save(File)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(File));
            return 1;
        }
        std::printf("%s\n", qPrintable(File));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication App(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vok_gallery"));
    QCommandLineParser Parser;
    Parser.setApplicationDescription(QStringLiteral("Gallery of the Vok components"));
    Parser.addHelpOption();
    const QCommandLineOption Screenshot(QStringLiteral("screenshot"),
        QStringLiteral("Render every page to DIR/<page>.png and exit."), QStringLiteral("DIR"));
    Parser.addOption(Screenshot);
    const QCommandLineOption Dark(QStringLiteral("dark"), QStringLiteral("Use a dark palette."));
    Parser.addOption(Dark);
    const QCommandLineOption Compact(QStringLiteral("compact"), QStringLiteral("Screenshots at the smallest window size."));
    Parser.addOption(Compact);
    Parser.process(App);
    if (Parser.isSet(Dark))
        QApplication::setPalette(DarkPalette());

    GalleryWindow Window;
    if (Parser.isSet(Screenshot))
        return WriteScreenshots(Window, Parser.value(Screenshot), Parser.isSet(Compact));
    Window.show();
    return App.exec();
}
