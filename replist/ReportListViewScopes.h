// Scopes of the report list view's bulk operations: painting suspended (and
// one repaint at the end when it was not suspended before), and changes of
// the row and column attributes kept from reporting themselves as content
// changes (selections are reported by OnSelectedChange instead).
#pragma once

#include <vok/Vok_replist.h>

namespace vok {

class SuppressPaintScope
{
public:
    explicit SuppressPaintScope(TReportListView& View)
        : FView(View)
        , FSaved(View.FSuppressPaint)
    {
        View.FSuppressPaint = true;
    }
    ~SuppressPaintScope() { FView.SetSuppressPaint(FSaved); }
    SuppressPaintScope(const SuppressPaintScope&) = delete;
    SuppressPaintScope& operator=(const SuppressPaintScope&) = delete;

private:
    TReportListView& FView;
    bool FSaved;
};

class MuteStoreScope
{
public:
    explicit MuteStoreScope(TReportListView& View)
        : FView(View)
        , FSaved(View.FMuteStoreChange)
    {
        View.FMuteStoreChange = true;
    }
    ~MuteStoreScope() { FView.FMuteStoreChange = FSaved; }
    MuteStoreScope(const MuteStoreScope&) = delete;
    MuteStoreScope& operator=(const MuteStoreScope&) = delete;

private:
    TReportListView& FView;
    bool FSaved;
};

} // namespace vok
