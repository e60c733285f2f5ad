#include "SkinTestSupport.h"

#include "platform/Gdi.h"
#include "skin/engine/SeBitmap.h"
#include "skin/engine/SeBitmapLink.h"
#include "skin/engine/SeBitmapObjects.h"
#include "skin/engine/SeComponentStream.h"
#include "skin/engine/SeObjectText.h"
#include "skin/engine/SeSkinFilter.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinObjects.h"
#include "skin/engine/SeSkinSource.h"
#include "ui/component/Exception.h"
#include "ui/graphics/Font.h"
#include "ui/component/Stream.h"

#include <gtest/gtest.h>

using namespace skintest;

TEST(SkinObjectText, MatchesTheClassicLayoutByteForByte)
{
    TSeBitmapObject object(nullptr);
    object.SetName("Face");
    object.SetColor(clNone);
    object.Font()->SetName("Ta'homa");
    object.Font()->SetStyle({fsBold, fsItalic});
    object.Bitmap()->SetName("Parts");
    object.Bitmap()->SetRect(RECT{0, 0, 16, 300});
    object.ArrangeIn(RECT{-5, 0, 100, 40000});
    const std::string text = ObjectBinaryToText(SkinObjectToBinary(object));
    const std::string expected = "object Face: TSeBitmapObject\r\n"
                                 "  Align = saNone\r\n"
                                 "  Color = clNone\r\n"
                                 "  DrawIfOwner = False\r\n"
                                 "  Font.Charset = DEFAULT_CHARSET\r\n"
                                 "  Font.Color = clWindowText\r\n"
                                 "  Font.Height = -11\r\n"
                                 "  Font.Name = 'Ta''homa'\r\n"
                                 "  Font.Style = [fsBold, fsItalic]\r\n"
                                 "  Kind = skNone\r\n"
                                 "  Masked = True\r\n"
                                 "  Left = -5\r\n"
                                 "  Top = 0\r\n"
                                 "  Height = 40000\r\n"
                                 "  Width = 105\r\n"
                                 "  MarginLeft = 0\r\n"
                                 "  MarginRight = 0\r\n"
                                 "  MarginTop = 0\r\n"
                                 "  MarginBottom = 0\r\n"
                                 "  TextAlign = taLeft\r\n"
                                 "  TextEffect = teNone\r\n"
                                 "  TextMarginLeft = 0\r\n"
                                 "  TextMarginRight = 0\r\n"
                                 "  TextMarginTop = 0\r\n"
                                 "  Bitmap.Name = 'Parts'\r\n"
                                 "  Bitmap.Left = 0\r\n"
                                 "  Bitmap.Top = 0\r\n"
                                 "  Bitmap.Right = 16\r\n"
                                 "  Bitmap.Bottom = 300\r\n"
                                 "  BorderTileStyle = tsTile\r\n"
                                 "  MaskedBorder = True\r\n"
                                 "  MaskedAngles = True\r\n"
                                 "  TileStyle = tsTile\r\n"
                                 "  Objects = {00000F00}\r\n"
                                 "end\r\n";
    EXPECT_EQ(text, expected);
}

TEST(SkinObjectText, LongBinaryAndOddCharactersRoundTrip)
{
    TSeStreamedObject object;
    object.className = "TSeSkinObject";
    object.name = "X";
    TSeValue bytes;
    bytes.type = TSeValueType::Binary;
    for (int i = 0; i < 70; ++i)
        bytes.bytes.push_back(std::uint8_t(i * 7));
    object.properties.emplace_back("Objects", bytes);
    object.properties.emplace_back("Text", TSeValue::String("a'b\r\n\xC3\xA9z"));
    object.properties.emplace_back("Count", TSeValue::Integer(-70000));
    const std::string text = StreamedObjectToText(object);
    EXPECT_NE(text.find("  Objects = {\r\n    00070E151C"), std::string::npos);
    EXPECT_NE(text.find("C4CBD2D9\r\n    E0E7EEF5"), std::string::npos);
    EXPECT_NE(text.find("DCE3}\r\n"), std::string::npos);
    EXPECT_NE(text.find("Text = 'a''b'#13#10#195#169'z'\r\n"), std::string::npos);
    const TSeStreamedObject back = TextToStreamedObject(text);
    EXPECT_EQ(back.properties, object.properties);
    EXPECT_EQ(StreamedObjectToText(back), text);

    for (const char* bad : {"", "object", "object A: T\r\n  X = \r\nend", "object A: T\r\n  X = {0}\r\nend",
                            "object A: T\r\n  X = 'open\r\nend", "object A: T\r\n  X = 1\r\n",
                            "object A: T\r\n  object B: T\r\n  end\r\nend", "object A: T\r\nend\r\nmore"})
        EXPECT_THROW(TextToStreamedObject(bad), EReadError) << bad;
}

TEST(SkinObjectStream, TreesRoundTripThroughBinaryAndText)
{
    TSeBitmapList bitmaps;
    bitmaps.Add(MakePartsBitmap());
    auto form = MakeFormObject(&bitmaps);
    const std::vector<std::uint8_t> binary = SkinObjectToBinary(*form);
    const std::string text = ObjectBinaryToText(binary);
    TMemoryStream again;
    ObjectTextToBinary(text, again);
    ASSERT_EQ(again.Size(), std::int64_t(binary.size()));
    EXPECT_TRUE(std::equal(binary.begin(), binary.end(), again.Memory()));

    for (bool textForm : {false, true}) {
        TMemoryStream record;
        WriteObjectRecord(record, *form, textForm);
        record.SetPosition(0);
        std::unique_ptr<TSeSkinObject> read(ReadObjectRecord(record, nullptr, textForm));
        EXPECT_EQ(record.Position(), record.Size());
        EXPECT_EQ(SkinObjectToBinary(*read), binary);
        EXPECT_EQ(FindObject(read.get(), "Glyph")->ClassName(), "TSeButtonObject");
    }
}

TEST(SkinObjectStream, EveryCutRaises)
{
    TSeBitmapList bitmaps;
    bitmaps.Add(MakePartsBitmap());
    auto form = MakeFormObject(&bitmaps);
    TMemoryStream record;
    WriteObjectRecord(record, *FindObject(form.get(), "Caption"), false);
    for (std::int64_t cut = 0; cut < record.Size(); cut += 1) {
        TMemoryStream part;
        part.WriteBuffer(record.Memory(), cut);
        part.SetPosition(0);
        EXPECT_THROW(std::unique_ptr<TSeSkinObject>(ReadObjectRecord(part, nullptr, false)), EStreamError)
            << "cut at " << cut;
    }
    // An unknown class stops the read.
    TMemoryStream unknown;
    const unsigned char record2[] = {3, 0, 0, 0, 'T', 'X', 'y', 0, 0, 0, 0};
    unknown.WriteBuffer(record2, sizeof record2);
    unknown.SetPosition(0);
    EXPECT_THROW(ReadObjectRecord(unknown, nullptr, false), EReadError);
}

namespace {

std::string bytesOf(const std::vector<std::uint8_t>& v) { return std::string(v.begin(), v.end()); }
std::string shortString(const std::string& s) { return char(s.size()) + s; }
std::string le32(std::uint32_t v)
{
    return std::string{char(v & 0xFF), char(v >> 8 & 0xFF), char(v >> 16 & 0xFF), char(v >> 24 & 0xFF)};
}
std::string streamString(const std::string& s) { return le32(std::uint32_t(s.size())) + s; }

} // namespace

TEST(SkinObjectStream, BinaryFormIsTheClassicLayoutByteForByte)
{
    TSeSkinObject object(nullptr);
    object.SetName("Dot");
    object.SetAlign(saTop);
    object.SetColor(clNone);
    object.Font()->SetName("Tahoma");
    object.Font()->SetStyle({fsBold});
    object.SetKind(skTitle);
    object.ArrangeIn(RECT{300, -5, 307, 69995});
    object.SetMarginRight(200);
    object.SetTextAlign(TSeTextAlign::taCenter);
    object.SetTextEffect(teShadow);
    object.SetTextMarginTop(3);
    std::string e = "TPF0" + shortString("TSeSkinObject") + shortString("Dot");
    auto ident = [&](const char* name, const char* value) { e += shortString(name) + '\x07' + shortString(value); };
    auto int8 = [&](const char* name, int v) { e += shortString(name) + '\x02' + char(v); };
    ident("Align", "saTop");
    ident("Color", "clNone");
    e += shortString("DrawIfOwner") + '\x08';
    ident("Font.Charset", "DEFAULT_CHARSET");
    ident("Font.Color", "clWindowText");
    int8("Font.Height", -11);
    e += shortString("Font.Name") + '\x06' + shortString("Tahoma");
    e += shortString("Font.Style") + '\x0B' + shortString("fsBold") + '\0';
    ident("Kind", "skTitle");
    e += shortString("Masked") + '\x09';
    e += shortString("Left") + '\x03' + std::string("\x2C\x01", 2);
    int8("Top", -5);
    e += shortString("Height") + '\x04' + le32(70000);
    int8("Width", 7);
    int8("MarginLeft", 0);
    e += shortString("MarginRight") + '\x03' + std::string("\xC8\x00", 2); // 200: two bytes
    int8("MarginTop", 0);
    int8("MarginBottom", 0);
    ident("TextAlign", "taCenter");
    ident("TextEffect", "teShadow");
    int8("TextMarginLeft", 0);
    int8("TextMarginRight", 0);
    int8("TextMarginTop", 3);
    e += shortString("Objects") + '\x0A' + le32(4) + le32(0xF0000);
    e += std::string(2, '\0'); // end of properties, no children
    EXPECT_EQ(bytesOf(SkinObjectToBinary(object)), e);

    // A child travels in Objects as a binary record: class name, size, stream.
    auto* child = new TSeSkinObject(&object);
    child->SetName("Inner");
    const std::string inner = bytesOf(SkinObjectToBinary(*child));
    EXPECT_EQ(bytesOf(WriteObjectsValue(object)),
              le32(0xF0001) + streamString("TSeSkinObject") + le32(std::uint32_t(inner.size())) + inner);
}

TEST(SkinObjectStream, CompactRecordsHoldBmpFilesAndBinaryObjects)
{
    TSeSkinSource source(nullptr);
    source.SetSkinName("Tiny");
    auto bitmap = std::make_unique<TSeBitmap>();
    bitmap->SetName("Two");
    bitmap->Allocate(2, 1);
    bitmap->ScanLine(0)[0] = 0xFFFF0000;
    bitmap->ScanLine(0)[1] = 0xFF0000FF;
    source.Bitmaps().Add(std::move(bitmap));
    auto object = std::make_unique<TSeSkinObject>(nullptr);
    object->SetName("Only");
    const std::string binary = bytesOf(SkinObjectToBinary(*object));
    source.AddObject(std::move(object));

    TStringStream content;
    std::unique_ptr<TSeSkinFilter> filter(SkinFilterAt(3).create());
    filter->Source = &source;
    filter->WriteSkin(content);
    const std::string bytes = content.DataString();

    std::string header = streamString("Tiny");
    for (const std::string& field : {source.SkinVersion(), source.Author(), source.AuthorEMail(), source.AuthorURL()})
        header += streamString(field);
    ASSERT_EQ(bytes.substr(0, header.size()), header);
    std::size_t at = header.size();
    EXPECT_EQ(bytes.substr(at, 4), le32(1));
    EXPECT_EQ(bytes.substr(at + 4, 7), streamString("Two"));
    at += 11;
    const std::uint32_t bmpSize = std::uint8_t(bytes[at]) | std::uint8_t(bytes[at + 1]) << 8;
    ASSERT_EQ(bytes.substr(at + 2, 2), std::string(2, '\0'));
    const std::string bmp = bytes.substr(at + 4, bmpSize);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(bmp.substr(2, 4), le32(bmpSize)) << "the file header counts the whole file";
    EXPECT_EQ(bmp[28], 16) << "16 bits a pixel";
    // Row of two 5-5-5 pixels, padded to four bytes: red, then blue.
    EXPECT_EQ(bmp.substr(bmpSize - 4), std::string("\x00\x7C\x1F\x00", 4));
    at += 4 + bmpSize;
    EXPECT_EQ(bytes.substr(at), le32(1) + streamString("TSeSkinObject") + le32(std::uint32_t(binary.size())) + binary);
}

TEST(SkinObjectStream, TextFormChildrenReadFromAPlainCount)
{
    TSeSkinObject child(nullptr);
    child.SetName("Knob");
    child.SetAlign(saClient);
    const std::string text = ObjectBinaryToText(SkinObjectToBinary(child));
    const std::string value = le32(1) + streamString("TSeSkinObject") + streamString(text);
    TSeSkinObject parent(nullptr);
    ReadObjectsValue(parent, std::vector<std::uint8_t>(value.begin(), value.end()));
    ASSERT_EQ(parent.ChildCount(), 1);
    EXPECT_EQ(parent.Child(0)->Name(), "Knob");
    EXPECT_EQ(parent.Child(0)->Align(), saClient);
    // No children at all in either form.
    TSeSkinObject empty(nullptr);
    ReadObjectsValue(empty, std::vector<std::uint8_t>(4, 0));
    EXPECT_EQ(empty.ChildCount(), 0);
}

TEST(SkinObjectStream, EveryFontOfALoadedTreeTakesTheDefaultCharacterSet)
{
    TSeSkinObject parent(nullptr);
    parent.SetName("Parent");
    parent.Font()->SetCharset(0); // ANSI_CHARSET
    auto* child = new TSeTextObject(&parent);
    child->SetName("Child");
    child->Font()->SetCharset(204);
    child->FontHot()->SetCharset(178);
    child->FontDisabled()->SetCharset(0);
    for (bool textForm : {false, true}) {
        TMemoryStream record;
        WriteObjectRecord(record, parent, textForm);
        ASSERT_NE(ObjectBinaryToText(SkinObjectToBinary(*child)).find("RUSSIAN_CHARSET"), std::string::npos);
        record.SetPosition(0);
        std::unique_ptr<TSeSkinObject> read(ReadObjectRecord(record, nullptr, textForm));
        std::vector<TFont*> fonts;
        read->CollectFonts(fonts);
        read->Child(0)->CollectFonts(fonts);
        ASSERT_EQ(fonts.size(), 6u);
        for (TFont* font : fonts)
            EXPECT_EQ(font->Charset(), 1) << textForm;
    }
}
