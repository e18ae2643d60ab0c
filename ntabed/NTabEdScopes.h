// Scopes of the table editor's bulk operations.
#pragma once

#include <vok/Vok_ntabed.h>

namespace vok {

// Switches the internal suppression on for its lifetime; with MuteData the
// table's data-changed notification is also ignored, so that a bulk
// operation reports once at its end instead of once per change.
class TNTabEd::TBulkScope
{
public:
    explicit TBulkScope(TNTabEd& Editor, bool MuteData = true)
        : FEditor(Editor)
        , FOldSuppress(Editor.FInternalSuppress)
        , FOldMute(Editor.FMuteDataChanged)
    {
        Editor.FInternalSuppress = true;
        if (MuteData)
            Editor.FMuteDataChanged = true;
    }
    ~TBulkScope()
    {
        FEditor.FInternalSuppress = FOldSuppress;
        FEditor.FMuteDataChanged = FOldMute;
    }
    TBulkScope(const TBulkScope&) = delete;
    TBulkScope& operator=(const TBulkScope&) = delete;

private:
    TNTabEd& FEditor;
    bool FOldSuppress;
    bool FOldMute;
};

// Sets SuppressPaint for its lifetime and puts back the previous value,
// which repaints when that is false.
class TNTabEd::TSuppressScope
{
public:
    explicit TSuppressScope(TNTabEd& Editor)
        : FEditor(Editor)
        , FOld(Editor.FSuppressPaint)
    {
        Editor.FSuppressPaint = true;
    }
    ~TSuppressScope() { FEditor.SetSuppressPaint(FOld); }
    TSuppressScope(const TSuppressScope&) = delete;
    TSuppressScope& operator=(const TSuppressScope&) = delete;

private:
    TNTabEd& FEditor;
    bool FOld;
};

} // namespace vok
