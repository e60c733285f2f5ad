#include "SkinTestSupport.h"

#include "platform/Gdi.h"
#include "skin/engine/SeBitmap.h"
#include "skin/engine/SeBitmapLink.h"
#include "skin/engine/SeBitmapObjects.h"
#include "skin/engine/SeComponentStream.h"
#include "skin/engine/SeObjectText.h"
#include "skin/engine/SeSkinObject.h"
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
