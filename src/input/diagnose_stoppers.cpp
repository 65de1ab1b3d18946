// Seismic stopper-block checks of the pier: block height and widths, distances to the cap
// edges, and the outermost bearing centres against the blocks' outer edges.
#include "input/pier_origin_data.h"

#include "common/list_sum.h"
#include "host/report_parts.h"

void CPM001org::DoDiagnose_FZDK(int& ok, unsigned label)
{
    MyReportErrorOutOfRange(label, "“防震挡块的高度”过小,不能小于100", "“防震挡块的高度”过大,不能大于10000", hFz, 100.0,
                            10000.0, "hFz", ok, kPartPier, 0);

    // With one block repeated on both ends the messages name no side.
    const char* left = fVaiDang == 0 ? "左侧" : "";
    const char* right = fVaiDang == 0 ? "右侧" : "";
    const double capLength = CapLength();
    const double halfLength = capLength / 2.0;

    // One block: its top width, bottom width and distance to the cap edge on its side. The block
    // must be narrower than half the cap and stand on it.
    auto checkBlock = [&](const char* side, double top, const char* topKey, double bottom, const char* bottomKey,
                          const char* pairKeys, double distance, const char* distanceKey, const char* edge) {
        const CString block = CString("“") + side + "防震挡块";
        MyQMReportError_compare_A_B(label, block + "顶缘宽度”过小,不能小于100", top, "不能小于", 100.0, topKey, ok, kPartPier, 0);
        MyQMReportError_compare_A_B(label, block + "底缘宽度”过小,不能小于100", bottom, "不能小于", 100.0, bottomKey, ok,
                                    kPartPier, 0);
        MyQMReportError_compare_A_B(label, block + "顶缘宽度”应不大于“" + side + "防震挡块底缘宽度”", top, "不能大于",
                                    bottom, pairKeys, ok, kPartPier, 0);
        MyQMReportError_compare_A_B(label, block + "底缘宽度”应小于“1/2盖梁横桥向长度”", bottom, "必须小于", halfLength,
                                    bottomKey, ok, kPartPier, 0);
        const CString distanceSubject = block + "到盖梁" + edge + "边缘的距离”";
        MyQMReportError_compare_A_B(label, distanceSubject + "不能为负", distance, "不能小于", 0.0, distanceKey, ok,
                                    kPartPier, 0);
        MyQMReportError_compare_A_B(label, distanceSubject + "应小于“1/2盖梁横桥向长度”", distance, "必须小于", halfLength,
                                    distanceKey, ok, kPartPier, 0);
    };
    checkBlock(left, bL1, "bL1", bL2, "bL2", "bL1/bL2", bFzjl, "bFzjl", "左");
    if (fVaiDang == 0) checkBlock(right, bR1, "bR1", bR2, "bR2", "bR1/bR2", bFzjr, "bFzjr", "右");

    // The outermost bearings of a row stand no further out than the blocks' outer edges: the
    // first one when its place is known, the last one when every place is (a spacing that is not
    // a number is reported by the bearing checks). With pedestals under the front row the
    // pedestals are checked against the blocks instead.
    if (BedStoneTypef != 0 || bQf.IsEmpty()) return;
    auto checkRow = [&](const DblArray& spacings, const char* key, const char* leftMessage,
                        const char* rightMessage) {
        const int known = KnownBearingPlaces(spacings);
        if (known == 0) return;
        MyQMReportError_compare_A_B(label, leftMessage, spacings[0] - bFzjl, "不能小于", 0.0, key, ok, kPartPier, 0);
        if (known < spacings.GetSize()) return;
        MyQMReportError_compare_A_B(label, rightMessage, capLength - KVDataCommon::sum(spacings) - bFzjr, "不能小于", 0.0,
                                    key, ok, kPartPier, 0);
    };
    if (CushionNumber == 1) {
        checkRow(bQf, "bQf", "“支座中心”横桥向不能位于防震挡块之外", "“支座中心”横桥向不能位于防震挡块之外”");
        return;
    }
    checkRow(bQf, "bQf", "“前排支座中心”横桥向不能位于防震挡块之外", "“前排支座中心”横桥向不能位于防震挡块之外");
    if (!bQb.IsEmpty())
        checkRow(bQb, "bQb", "“后排支座中心”横桥向不能位于防震挡块之外", "“后排支座中心”横桥向不能位于防震挡块之外");
}
