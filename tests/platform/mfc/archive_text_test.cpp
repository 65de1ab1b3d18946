// Text forms of the archive: narrow GBK with its three length forms, the wide UTF-16 form, and
// refusal of bytes that are no text.
#include "archive_bytes.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

Bytes text(std::size_t n) { return repeated('a', n); }

CString ascii(std::size_t n) { return CString(std::string(n, 'a')); }

// The cause and offset of the archive exception that loading a text from in throws.
std::pair<CArchiveException::Cause, std::size_t> loadFailure(const Bytes& in)
{
    try {
        CString s = "kept";
        CArchive ar(in.data(), in.size());
        ar >> s;
        ADD_FAILURE() << "loading must fail, got " << s.GetString();
    } catch (const CArchiveException& e) {
        return {e.m_cause, e.m_offset};
    }
    return {CArchiveException::none, 0};
}

} // namespace

TEST(ArchiveText, NarrowLengthFormsAtTheirBoundaries)
{
    EXPECT_EQ(stored(CString()), bytes({0x00}));
    EXPECT_EQ(stored(CString("abc")), bytes({0x03, 'a', 'b', 'c'}));
    EXPECT_EQ(stored(ascii(254)), bytes({0xFE}) + text(254));
    EXPECT_EQ(stored(ascii(255)), bytes({0xFF, 0xFF, 0x00}) + text(255));
    EXPECT_EQ(stored(ascii(65533)), bytes({0xFF, 0xFD, 0xFF}) + text(65533));
    EXPECT_EQ(stored(ascii(65534)), bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}) + text(65534));
}

TEST(ArchiveText, EachLengthFormRoundTripsByteIdentical)
{
    for (std::size_t n : {0u, 1u, 254u, 255u, 65533u, 65534u, 70000u}) {
        const Bytes b = stored(ascii(n));
        const CString back = loaded<CString>(b);
        EXPECT_EQ(back.GetLength(), static_cast<int>(n));
        EXPECT_EQ(stored(back), b) << n;
    }
}

TEST(ArchiveText, ChineseIsStoredInCodePage936)
{
    EXPECT_EQ(stored(CString("钢筋")), bytes({0x04, 0xB8, 0xD6, 0xBD, 0xEE}));
    EXPECT_EQ(loaded<CString>(bytes({0x04, 0xB8, 0xD6, 0xBD, 0xEE})), CString("钢筋"));
    // Code page 936 has the euro sign at 0x80.
    EXPECT_EQ(stored(CString("€")), bytes({0x01, 0x80}));
    EXPECT_EQ(loaded<CString>(bytes({0x01, 0x80})), CString("€"));
    // The length counts GBK bytes, not UTF-8 bytes: 85 × "钢" is 255 UTF-8 bytes but 170 GBK bytes.
    std::string many;
    for (int i = 0; i < 85; ++i) many += "钢";
    const Bytes b = stored(CString(many));
    ASSERT_EQ(b.size(), 171u);
    EXPECT_EQ(b[0], 170);
    EXPECT_EQ(loaded<CString>(b), CString(many));
}

TEST(ArchiveText, TextOutsideCodePage936TakesTheWideForm)
{
    // U+1F600 is the surrogate pair D83D DE00; 钢 is U+94A2.
    EXPECT_EQ(stored(CString("😀")), bytes({0xFF, 0xFE, 0xFF, 0x02, 0x3D, 0xD8, 0x00, 0xDE}));
    EXPECT_EQ(stored(CString("钢😀")), bytes({0xFF, 0xFE, 0xFF, 0x03, 0xA2, 0x94, 0x3D, 0xD8, 0x00, 0xDE}));
    EXPECT_EQ(loaded<CString>(bytes({0xFF, 0xFE, 0xFF, 0x03, 0xA2, 0x94, 0x3D, 0xD8, 0x00, 0xDE})), CString("钢😀"));

    // 1 + 254 = 255 units: the 16-bit length form after the marker.
    const CString longer = CString("😀") + ascii(253);
    Bytes units = bytes({0x3D, 0xD8, 0x00, 0xDE});
    for (int i = 0; i < 253; ++i) units = units + bytes({'a', 0x00});
    const Bytes expected = bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00}) + units;
    EXPECT_EQ(stored(longer), expected);
    EXPECT_EQ(loaded<CString>(expected), longer);
    EXPECT_EQ(stored(loaded<CString>(expected)), expected);
}

TEST(ArchiveText, WideFormOfGbkTextIsAccepted)
{
    EXPECT_EQ(loaded<CString>(bytes({0xFF, 0xFE, 0xFF, 0x02, 'a', 0x00, 0xA2, 0x94})), CString("a钢"));
}

TEST(ArchiveText, InvalidGbkIsADamagedArchiveAtTheBadByte)
{
    // 0xFF never starts a GBK character: the text's bytes start at 1, the bad one is at 2.
    EXPECT_EQ(loadFailure(bytes({0x03, 'a', 0xFF, 'b'})), std::make_pair(CArchiveException::badFormat, std::size_t{2}));
    // A lead byte cut off by the end of the text.
    EXPECT_EQ(loadFailure(bytes({0x02, 'a', 0xB8})), std::make_pair(CArchiveException::badFormat, std::size_t{2}));
    // A lead byte followed by a byte that cannot trail.
    EXPECT_EQ(loadFailure(bytes({0xFF, 0x02, 0x00, 0xB8, 0x20})), std::make_pair(CArchiveException::badFormat, std::size_t{3}));
}

TEST(ArchiveText, UnpairedSurrogateIsADamagedArchive)
{
    // Units start at 4; a lone high surrogate at unit 0, a lone low surrogate at unit 1.
    EXPECT_EQ(loadFailure(bytes({0xFF, 0xFE, 0xFF, 0x01, 0x00, 0xD8})), std::make_pair(CArchiveException::badFormat, std::size_t{4}));
    EXPECT_EQ(loadFailure(bytes({0xFF, 0xFE, 0xFF, 0x02, 'a', 0x00, 0x00, 0xDC})), std::make_pair(CArchiveException::badFormat, std::size_t{6}));
    EXPECT_EQ(loadFailure(bytes({0xFF, 0xFE, 0xFF, 0x02, 0x3D, 0xD8, 'a', 0x00})), std::make_pair(CArchiveException::badFormat, std::size_t{4}));
    // The marker twice.
    EXPECT_EQ(loadFailure(bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0x00})), std::make_pair(CArchiveException::badFormat, std::size_t{3}));
}

TEST(ArchiveText, LengthBeyondTheArchiveFailsBeforeReading)
{
    EXPECT_EQ(loadFailure(bytes({0x05, 'a', 'b'})), std::make_pair(CArchiveException::endOfFile, std::size_t{1}));
    // 32-bit length 0x7FFFFFFF with nothing behind it.
    EXPECT_EQ(loadFailure(bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F})), std::make_pair(CArchiveException::endOfFile, std::size_t{7}));
    // 64-bit length form.
    EXPECT_EQ(loadFailure(repeated(0xFF, 15)), std::make_pair(CArchiveException::endOfFile, std::size_t{15}));
    // Wide: 3 units need 6 bytes, only 5 remain.
    EXPECT_EQ(loadFailure(bytes({0xFF, 0xFE, 0xFF, 0x03, 'a', 0, 'b', 0, 'c'})), std::make_pair(CArchiveException::endOfFile, std::size_t{4}));
}

// At most 4 bytes as UTF-8: a length past it is refused before the text's bytes (none here), "钢筋"
// of 4 GBK bytes after it is decoded (6 UTF-8 bytes); 4 wide units of ASCII (8 bytes stored) load.
TEST(ArchiveText, ABoundedReadRefusesWhatTheLengthShowsLongerBeforeReadingIt)
{
    const std::pair<Bytes, std::string> rows[] = {
        {bytes({0x04, 'a', 'b', 'c', 'd'}), "abcd"},
        {bytes({0x05}), "archive bad format at byte 0: 5 bytes"},
        {bytes({0xFF, 0xFE, 0xFF, 0x04, 'a', 0, 'b', 0, 'c', 0, 'd', 0}), "abcd"},
        {bytes({0xFF, 0xFE, 0xFF, 0x05}), "archive bad format at byte 0: 5 UTF-16 units"},
        {bytes({0x04, 0xB8, 0xD6, 0xBD, 0xEE}), "archive bad format at byte 0: 6 bytes in UTF-8"},
    };
    for (const auto& [in, result] : rows) {
        CString s;
        CArchive ar(in.data(), in.size());
        const auto measured = [](const std::string& measured) { return measured; };
        try { ar.ReadText(s, 4, measured); } catch (const CArchiveException& e) { s = e.what(); }
        EXPECT_EQ(s.str(), result);
    }
}

TEST(ArchiveText, FailedLoadLeavesTheTargetAsItWas)
{
    const Bytes in = bytes({0x03, 'a', 0xFF, 'b'});
    CString s = "kept";
    CArchive ar(in.data(), in.size());
    EXPECT_THROW(ar >> s, CArchiveException);
    EXPECT_EQ(s, CString("kept"));
}

TEST(ArchiveText, StoringTextThatIsNotUtf8ThrowsAndWritesNothing)
{
    for (const char* bad : {"a\xFF" "b", "\xC0\x80", "\xE9\x92", "\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
        Bytes out = bytes({0x42});
        CArchive ar(out, CArchive::store);
        try {
            ar << CString(bad);
            ADD_FAILURE() << "storing must fail";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, CArchiveException::badFormat);
            EXPECT_EQ(e.m_offset, 1u);
        }
        EXPECT_EQ(out, bytes({0x42}));
    }
}

TEST(ArchiveText, EmbeddedNulBytesSurvive)
{
    const CString s(std::string("a\0b", 3));
    EXPECT_EQ(stored(s), bytes({0x03, 'a', 0x00, 'b'}));
    EXPECT_EQ(loaded<CString>(stored(s)).str(), s.str());
}

TEST(ArchiveText, ThreadsConvertIndependently)
{
    std::vector<std::thread> threads;
    std::vector<int> good(4, 0);
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([t, &good] {
            for (int i = 0; i < 200; ++i) {
                const CString s = (t % 2 == 0) ? CString("钢筋混凝土") : CString("盖梁😀");
                if (loaded<CString>(stored(s)) == s) ++good[t];
            }
        });
    for (auto& th : threads) th.join();
    for (int g : good) EXPECT_EQ(g, 200);
}
