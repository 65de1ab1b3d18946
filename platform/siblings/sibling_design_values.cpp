// Design values of a sibling module's design object: check, output and archive.
#include "siblings/sibling_design_values.h"

#include "host/report.h"
#include "mfc/carchive.h"

#include <cmath>

namespace {

constexpr int kForm = 1;
// Smallest stored value: a one-byte empty name and the real.
constexpr std::size_t kMinValueBytes = 1 + 8;

} // namespace

int SiblingDesignValues::Set(Values values)
{
    for (const auto& [name, value] : values) {
        if (!std::isfinite(value) || value < 0.0) {
            CString message;
            message.Format("计算错误：%s的设计参数%s不可用", m_module, name.GetString());
            QMReportError(message, 0);
            m_designed = 0;
            m_values.clear();
            return 0;
        }
    }
    m_values = std::move(values);
    m_designed = 1;
    return 1;
}

void SiblingDesignValues::Output(OutputDataMap& outputs, const CString& prefix) const
{
    // The sibling's own values, which its module judges.
    InSert_OutputData(outputs, prefix + "designed", OutputKinds::ItsModule, m_designed, "");
    for (const auto& [name, value] : m_values)
        InSert_OutputData(outputs, prefix + name, OutputKinds::ItsModule, value, 1, "");
}

void SiblingDesignValues::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << kForm << m_designed << static_cast<int>(m_values.size());
        for (const auto& [name, value] : m_values) ar << name << value;
        return;
    }
    ar.ReadMark(kForm, "unknown form of a sibling design object");
    int designed = 0;
    ar >> designed;
    if (designed != 0 && designed != 1) ar.Fail(CArchiveException::badFormat, "designed switch is not 0 or 1");
    const int count = ar.ReadRecordCount(kMinValueBytes);
    Values values;
    values.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        CString name;
        double value = 0.0;
        ar >> name >> value;
        values.emplace_back(std::move(name), value);
    }
    m_designed = designed;
    m_values = std::move(values);
}

double SiblingDesignValues::Get(const char* name) const
{
    for (const auto& [n, v] : m_values)
        if (n == name) return v;
    return 0.0;
}
