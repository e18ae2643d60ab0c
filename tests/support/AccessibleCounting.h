#pragma once

// A control of type T that counts its accessibility notifications (Qt hands
// them on only while assistive technology is active, so they are counted
// where the control sends them).
template <class T>
class AccessibleCounting : public T
{
public:
    using T::T;
    void NotifyAccessibleValueChanged() override
    {
        ++ValueChanges;
        T::NotifyAccessibleValueChanged();
    }
    void NotifyAccessibleStateChanged() override
    {
        ++StateChanges;
        T::NotifyAccessibleStateChanged();
    }
    int ValueChanges = 0;
    int StateChanges = 0;
};
