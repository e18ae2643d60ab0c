// The "File browsing" page: a TFolderTree of the user's folders beside a
// TThumbnails strip of the pictures in the selected folder. Pictures are
// read only when the strip asks for a slide, decoded straight to slide size
// and kept in a small cache; a scroll bar and the wheel scroll the strip.
#include "GalleryPages.h"

#include <vok/Vok_FolderTree.h>
#include <vok/Vok_Thumbnails.h>

#include <QCache>
#include <QDir>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QScrollBar>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <algorithm>

namespace {

using namespace vok;

// The pictures of one folder, read on request and scaled down on reading.
class PictureFolder
{
public:
    void Open(const QString& Folder)
    {
        QStringList Patterns;
        for (const QByteArray& Format : QImageReader::supportedImageFormats())
            Patterns.append(QStringLiteral("*.") + QString::fromLatin1(Format));
        FFolder = QDir(Folder);
        FFiles = FFolder.entryList(Patterns, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
        FCache.clear();
    }

    int Count() const { return int(FFiles.size()); }
    QString Name(int Index) const { return Index >= 0 && Index < Count() ? FFiles[Index] : QString(); }

    // The picture fitted into Side x Side; null when it cannot be read.
    const QImage* Picture(int Index, int Side)
    {
        if (Index < 0 || Index >= Count())
            return nullptr;
        const QString Key = QStringLiteral("%1@%2").arg(FFiles[Index]).arg(Side);
        if (const QImage* Cached = FCache.object(Key))
            return Cached;
        QImageReader Reader(FFolder.filePath(FFiles[Index]));
        Reader.setAutoTransform(true);
        const QSize Full = Reader.size();
        if (Full.isValid() && (Full.width() > Side || Full.height() > Side))
            Reader.setScaledSize(Full.scaled(Side, Side, Qt::KeepAspectRatio));
        auto* Image = new QImage(Reader.read());
        if (Image->isNull()) {
            delete Image;
            return nullptr;
        }
        FCache.insert(Key, Image);
        return FCache.object(Key);
    }

private:
    QDir FFolder;
    QStringList FFiles;
    QCache<QString, QImage> FCache{200};
};

class FileBrowsingPage : public QWidget
{
public:
    FileBrowsingPage()
    {
        auto* Outer = new QVBoxLayout(this);
        Outer->addWidget(new QLabel(QStringLiteral(
            "<h2>File browsing</h2>TFolderTree reads a folder's subfolders when it opens; TThumbnails asks for "
            "the pictures of the slides that show. A click selects or deselects a slide, Shift+click a range.")));

        auto* Row = new QHBoxLayout;
        FTree = new TFolderTree;
        FStrip = new TThumbnails;
        FStrip->SetSlideSize(96);
        FStrip->SetSlideSelectMode(ssmMultiple);
        FStrip->SetAntiAlias(true);
        FStrip->SetColorSelected(0xD77800);
        FStrip->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        FScroll = new QScrollBar(Qt::Vertical);
        Row->addWidget(FTree, 2);
        Row->addWidget(FStrip, 3);
        Row->addWidget(FScroll);
        Outer->addLayout(Row, 1);

        FFolderLabel = new QLabel;
        FSelectionLabel = new QLabel;
        FFocusLabel = new QLabel;
        for (QLabel* L : {FFolderLabel, FSelectionLabel, FFocusLabel}) {
            L->setTextInteractionFlags(Qt::TextSelectableByMouse);
            Outer->addWidget(L);
        }

        FTree->OnDirChanged = [this](QObject*) { ShowFolder(FTree->GetDirectory()); };
        FStrip->OnImageRequest = [this](QObject*, int Id, TImageRequestProcessing& How, int&, TBitmap*& Buffer) {
            if (FPictures.Count() == 0) {
                How = irpShowNothing;
                return;
            }
            const QImage* Picture = FPictures.Picture(Id - 1, FStrip->GetSlideSize());
            if (!Picture)
                return; // unreadable: the numbered empty slide
            Buffer->SetImage(*Picture);
            How = irpShowSlide;
        };
        FStrip->OnFocusChange = [this](QObject*) {
            const int Slide = FStrip->GetFocusedSlide();
            FFocusLabel->setText(Slide ? QStringLiteral("Under the mouse: %1").arg(FPictures.Name(Slide - 1))
                                       : QString());
        };
        connect(FStrip, &TThumbnails::selectionChanged, this, [this] { ShowSelection(); });
        connect(FScroll, &QScrollBar::valueChanged, this, [this](int Value) { FStrip->SetFirstThumbIx(Value); });
        FStrip->OnMouseWheel = [this](QObject*, TShiftState, int Delta, TPoint, bool& Handled) {
            FScroll->setValue(FScroll->value() - Delta / 120 * FStrip->GetColumns());
            Handled = true;
        };
        FStrip->OnResize = [this](QObject*) { UpdateScrollRange(); };

        // The pictures folder when there is one, else the home folder.
        const QString Pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        FTree->HandleNeeded();
        if (!FTree->SelectPath(Pictures))
            FTree->SelectPath(QDir::homePath());
        // A first selection, so the page shows how selected slides look.
        FStrip->SetSelectedSlide(2, FPictures.Count() >= 2);
    }

private:
    void ShowFolder(const QString& Folder)
    {
        FPictures.Open(Folder);
        const int Count = FPictures.Count();
        FStrip->ResetAllSelections();
        FStrip->SetMax(std::max(1, Count));
        FStrip->SetFirstThumbIx(1);
        FFolderLabel->setText(QStringLiteral("Folder: %1  (%2 pictures)").arg(Folder).arg(Count));
        UpdateScrollRange();
        ShowSelection();
    }

    void UpdateScrollRange()
    {
        const int Columns = std::max(1, FStrip->GetColumns());
        FScroll->setRange(1, std::max(1, FPictures.Count()));
        FScroll->setSingleStep(Columns);
        FScroll->setPageStep(Columns * std::max(1, FStrip->GetRows() - 1));
    }

    void ShowSelection()
    {
        const int N = FStrip->NumSlidesSelected();
        FSelectionLabel->setText(
            N == 0 ? QStringLiteral("Selected: none")
                   : QStringLiteral("Selected: %1 (first: %2)").arg(N).arg(FPictures.Name(FStrip->FirstSelectedSlide() - 1)));
    }

    PictureFolder FPictures;
    TFolderTree* FTree;
    TThumbnails* FStrip;
    QScrollBar* FScroll;
    QLabel* FFolderLabel;
    QLabel* FSelectionLabel;
    QLabel* FFocusLabel;
};

const vok::gallery::PageRegistration Reg(100, QStringLiteral("File browsing"), [] { return new FileBrowsingPage; });

} // namespace
