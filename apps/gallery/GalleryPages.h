// Registry of gallery pages. A page file registers its factory once:
//
//   static const vok::gallery::PageRegistration Reg(30, "Numeric entry", [] { return new MyPage; });
//
// Pages are shown in ascending order. A planned page without a factory shows
// what is coming.
#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

namespace vok::gallery {

using PageFactory = std::function<QWidget*()>;

struct PageEntry
{
    int Order;
    QString Title;
    QString Coming; // what the page will show, for pages not built yet
    PageFactory Factory;
};

// Every page, planned or built, in display order.
std::vector<PageEntry> Pages();

struct PageRegistration
{
    PageRegistration(int Order, const QString& Title, PageFactory Factory);
};

// The file name a page's screenshot is written to: its title in lower case,
// blanks as '-'.
QString ScreenshotName(const QString& Title);

} // namespace vok::gallery
