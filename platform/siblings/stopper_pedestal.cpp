// Stopper-block and bearing-pedestal module: intake, output values and archive of its design object.
#include "siblings/stopper_pedestal.h"

#include "host/report.h"
#include "mfc/carchive.h"

#include <cmath>
#include <type_traits>
#include <utility>

namespace {

constexpr int kFormNumber = 1;

// Walks the record's fields in declaration order, giving each field's name and a reference to it.
// Archive, output and checks all follow this one list, so they cannot disagree on order or names.
template <class Record, class Visit>
void ForEachField(Record& g, Visit&& visit)
{
    visit("nNoStopperGap", g.nNoStopperGap);
    visit("szPier", g.szPier);
    visit("nFlag", g.nFlag);
    visit("nFront", g.nFront);
    visit("aFront", g.aFront);
    visit("bFront", g.bFront);
    visit("lFront", g.lFront);
    visit("hFront", g.hFront);
    visit("nFrontCount", g.nFrontCount);
    visit("nBack", g.nBack);
    visit("aBack", g.aBack);
    visit("bBack", g.bBack);
    visit("lBack", g.lBack);
    visit("hBack", g.hBack);
    visit("nBackCount", g.nBackCount);
    visit("fHaveStopper", g.fHaveStopper);
    visit("aStopper", g.aStopper);
    visit("widths1", g.widths1);
    visit("widths2", g.widths2);
    visit("hStopper", g.hStopper);
    visit("bTop", g.bTop);
    visit("nFlag2", g.nFlag2);
    visit("aPier", g.aPier);
    visit("list1", g.list1);
    visit("list2", g.list2);
    visit("value1", g.value1);
    visit("value2", g.value2);
    visit("szPedestalConcrete", g.szPedestalConcrete);
    visit("szStopperConcrete", g.szStopperConcrete);
    visit("nSameRows", g.nSameRows);
    visit("nFlag3", g.nFlag3);
    visit("nSameStoppers", g.nSameStoppers);
    visit("nFlag4", g.nFlag4);
    visit("szCapConcrete", g.szCapConcrete);
}

template <class KeyParam, class Visit>
void ForEachKeyValue(KeyParam& k, Visit&& visit)
{
    visit("nFrontPedestalMesh", k.nFrontPedestalMesh);
    visit("nBackPedestalMesh", k.nBackPedestalMesh);
}

// Counts, flags and key values must not be negative; reals and list entries must be finite.
// Returns the name of the first field that fails, or null.
const char* FirstUnsoundField(const GZ_GENERAL_PG006& g, const CPG006KeyParam& k)
{
    const char* bad = nullptr;
    auto check = [&bad](const char* name, const auto& v) {
        using T = std::decay_t<decltype(v)>;
        if (bad) return;
        if constexpr (std::is_same_v<T, int>) {
            if (v < 0) bad = name;
        } else if constexpr (std::is_same_v<T, double>) {
            if (!std::isfinite(v)) bad = name;
        } else if constexpr (std::is_same_v<T, DblArray>) {
            for (double x : v)
                if (!std::isfinite(x)) bad = name;
        }
    };
    ForEachField(g, check);
    ForEachKeyValue(k, check);
    return bad;
}

CString Key(const char* name) { return CString("PG006_") + name; }

} // namespace

CPG006Atom::CPG006Atom() = default;
CPG006Atom::~CPG006Atom() = default;

int CPG006Atom::SetData(const GZ_GENERAL_PG006* general, const CPG006KeyParam* keyParam)
{
    if (!general || !keyParam) {
        QMReportError("Stopper blocks and pedestals: no hand-over record or key parameters were given", 0);
        return 0;
    }
    if (const char* bad = FirstUnsoundField(*general, *keyParam)) {
        QMReportError(CString("Stopper blocks and pedestals: the value of ") + bad + " is not usable", 0);
        return 0;
    }
    m_general = *general;
    m_keyParam = *keyParam;
    return 1;
}

void CPG006Atom::shuchu_Data(OutputDataMap& outputs) const
{
    auto enter = [&outputs](const char* name, const auto& v) {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, int>)
            InSert_OutputData(outputs, Key(name), OutputKinds::ItsModule, v, "");
        else if constexpr (std::is_same_v<T, double>)
            InSert_OutputData(outputs, Key(name), OutputKinds::ItsModule, v, 3, "");
        else if constexpr (std::is_same_v<T, DblArray>)
            InSert_OutputData(outputs, Key(name), OutputKinds::ItsModule, static_cast<const CArray<double>&>(v), 3, "");
        else
            InSert_OutputData(outputs, Key(name), v, "");
    };
    ForEachField(m_general, enter);
    ForEachKeyValue(m_keyParam, enter);
}

void CPG006Atom::SerializeDesignData(CArchive& ar)
{
    auto walk = [&ar](const char*, auto& v) {
        if (ar.IsStoring())
            ar << v;
        else
            ar >> v;
    };
    if (ar.IsStoring()) {
        ar << kFormNumber;
        ForEachField(m_general, walk);
        ForEachKeyValue(m_keyParam, walk);
        return;
    }
    ar.ReadMark(kFormNumber, "stopper and pedestal design: unknown form number");
    GZ_GENERAL_PG006 general;
    CPG006KeyParam keyParam;
    ForEachField(general, walk);
    ForEachKeyValue(keyParam, walk);
    m_general = std::move(general);
    m_keyParam = keyParam;
}
