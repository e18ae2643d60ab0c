#include "GalleryPages.h"

#include <algorithm>

namespace vok::gallery {

namespace {
std::vector<PageEntry>& Registered()
{
    static std::vector<PageEntry> List;
    return List;
}

// The subsystems the gallery will show; a registered page of the same title replaces its entry.
std::vector<PageEntry> Planned()
{
    return {
        {10, QStringLiteral("Canvas"), QStringLiteral("Frame styles, the 52 markers and the canvas primitives."), {}},
        {20, QStringLiteral("Controls"), QStringLiteral("The standard controls with a log of mouse, key and timer events."), {}},
        {25, QStringLiteral("Grid"), QStringLiteral("A draw grid with fixed rows and columns, selection and in-place editing."), {}},
        {30, QStringLiteral("Numeric entry"), QStringLiteral("TNumIO2 and TNumIO fields in every input format."), {}},
        {40, QStringLiteral("Report list"), QStringLiteral("The report data container and its file formats."), {}},
        {50, QStringLiteral("Table editor"), QStringLiteral("TNTabEd over a numeric data table."), {}},
        {60, QStringLiteral("Meter"), QStringLiteral("TMeter in all six layouts."), {}},
        {70, QStringLiteral("Instruments"), QStringLiteral("TProgBar and TOnOffBut."), {}},
        {80, QStringLiteral("Displays"), QStringLiteral("Numeric, seven-segment, dot-matrix and rotated labels, gradient fill, repeat button."), {}},
        {90, QStringLiteral("Calendar and pickers"), QStringLiteral("TMiniCal, TColSel, TColorButton and TMarkSel."), {}},
        {100, QStringLiteral("File browsing"), QStringLiteral("TFolderTree and TThumbnails."), {}},
    };
}
} // namespace

PageRegistration::PageRegistration(int Order, const QString& Title, PageFactory Factory)
{
    Registered().push_back({Order, Title, QString(), std::move(Factory)});
}

std::vector<PageEntry> Pages()
{
    std::vector<PageEntry> All = Registered();
    for (PageEntry& Plan : Planned()) {
        const bool Built = std::any_of(All.begin(), All.end(), [&](const PageEntry& E) { return E.Title == Plan.Title; });
        if (!Built)
            All.push_back(std::move(Plan));
    }
    std::stable_sort(All.begin(), All.end(), [](const PageEntry& A, const PageEntry& B) { return A.Order < B.Order; });
    return All;
}

QString ScreenshotName(const QString& Title)
{
    return Title.toLower().replace(QLatin1Char(' '), QLatin1Char('-')) + QStringLiteral(".png");
}

} // namespace vok::gallery
