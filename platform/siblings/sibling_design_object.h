// SiblingDesignObject: the common frame of the sibling modules' design objects that the pier feeds.
#pragma once

#include "host/live_count.h"
#include "host/output_data.h"
#include "mfc/cobject.h"
#include "siblings/sibling_design_values.h"

class CArchive;

// A sibling design object keeps the values it was designed from (SiblingDesignValues), outputs
// them under the prefix "<module>_" (shuchu_Data) and stores them as its design data. Both work
// on an object that was never designed: it outputs and stores only that it holds nothing.
template <class Derived>
class SiblingDesignObject : public CObject {
public:
    SiblingDesignObject() : m_Design(Derived::kModule) {}

    void shuchu_Data(OutputDataMap& outputs) const { m_Design.Output(outputs, CString(Derived::kModule) + "_"); }
    void SerializeDesignData(CArchive& ar) { m_Design.Serialize(ar); }
    int IsDesigned() const { return m_Design.IsDesigned(); }
    const SiblingDesignValues& Design() const { return m_Design; }

    // The module's own drawing lies outside the pier: the object answers whether its alignment
    // records can be filled (every record it is handed exists) and leaves them as they were made.
    // View switches and other values are accepted as given.
    template <class... Args>
    int SetDrawData_PT(Args... args) const
    {
        return (Present(args) && ...) ? 1 : 0;
    }

protected:
    SiblingDesignValues m_Design;

    template <class T>
    static bool Present(T* record)
    {
        return record != nullptr;
    }
    static bool Present(int) { return true; }

private:
    LiveCount<Derived> m_live;
};
