// Dialog templates of both forms: the ones the resource compiler made from
// test.rc, hand-built in-memory templates, and damaged ones.
#include "resource_test_support.h"
#include "resources/dialog_template.h"
#include "test_resource_ids.h"

using namespace resource_test;

namespace {

struct ExpectedItem {
    DWORD id;
    const char* windowClass;
    const char* text;
    WORD textOrdinal;
    DWORD style;
    DWORD exStyle;
    DWORD helpId;
    short x, y, cx, cy;
};

void expectItems(const ce::DialogTemplate& dialog, const std::vector<ExpectedItem>& expected) {
    ASSERT_EQ(dialog.items.size(), expected.size());
    for (std::size_t index = 0; index < expected.size(); ++index) {
        const ce::DialogItemTemplate& item = dialog.items[index];
        const ExpectedItem& want = expected[index];
        SCOPED_TRACE("control " + std::to_string(index + 1));
        EXPECT_EQ(item.id, want.id);
        EXPECT_EQ(narrow(item.windowClass), want.windowClass);
        EXPECT_EQ(narrow(item.text), want.text);
        EXPECT_EQ(item.textOrdinal, want.textOrdinal);
        EXPECT_EQ(item.style, want.style);
        EXPECT_EQ(item.exStyle, want.exStyle);
        EXPECT_EQ(item.helpId, want.helpId);
        EXPECT_EQ(item.x, want.x);
        EXPECT_EQ(item.y, want.y);
        EXPECT_EQ(item.cx, want.cx);
        EXPECT_EQ(item.cy, want.cy);
        EXPECT_TRUE(item.creationData.empty());
    }
}

// A classic template with one control whose class is the button atom and
// whose creation data is {0xAA, 0xBB} (the size word counts itself).
std::vector<BYTE> classicTemplateWithCreationData() {
    std::vector<BYTE> bytes;
    appendValue<DWORD>(bytes, WS_POPUP);
    appendValue<DWORD>(bytes, 0);
    appendValue<WORD>(bytes, 1);  // one control
    for (short value : {10, 20, 30, 40}) appendValue<short>(bytes, value);
    appendValue<WORD>(bytes, 0xFFFF);  // menu by ordinal
    appendValue<WORD>(bytes, 55);
    appendText(bytes, u"MyDialogClass");
    appendText(bytes, u"Title");
    padTo(bytes, 4);
    appendValue<DWORD>(bytes, WS_CHILD | BS_PUSHBUTTON);
    appendValue<DWORD>(bytes, 0);
    for (short value : {1, 2, 3, 4}) appendValue<short>(bytes, value);
    appendValue<WORD>(bytes, 42);
    appendValue<WORD>(bytes, 0xFFFF);
    appendValue<WORD>(bytes, 0x80);
    appendText(bytes, u"Go");
    appendValue<WORD>(bytes, 4);
    bytes.push_back(0xAA);
    bytes.push_back(0xBB);
    return bytes;
}

// An extended template with one control of a registered class, an ordinal
// text and three bytes of creation data (the count excludes itself).
std::vector<BYTE> extendedTemplateWithCreationData() {
    std::vector<BYTE> bytes;
    appendValue<WORD>(bytes, 1);
    appendValue<WORD>(bytes, 0xFFFF);
    appendValue<DWORD>(bytes, 9);  // help id
    appendValue<DWORD>(bytes, WS_EX_TOPMOST);
    appendValue<DWORD>(bytes, WS_POPUP | DS_SETFONT);
    appendValue<WORD>(bytes, 1);
    for (short value : {-1, -2, 50, 60}) appendValue<short>(bytes, value);
    appendValue<WORD>(bytes, 0);  // no menu
    appendValue<WORD>(bytes, 0);  // dialog class
    appendValue<WORD>(bytes, 0);  // no caption
    appendValue<WORD>(bytes, 9);  // point size
    appendValue<WORD>(bytes, 400);
    bytes.push_back(0);
    bytes.push_back(2);  // character set
    appendText(bytes, u"Face");
    padTo(bytes, 4);
    appendValue<DWORD>(bytes, 5);  // help id
    appendValue<DWORD>(bytes, WS_EX_CLIENTEDGE);
    appendValue<DWORD>(bytes, WS_CHILD);
    for (short value : {7, 8, 9, 10}) appendValue<short>(bytes, value);
    appendValue<DWORD>(bytes, 0x12345);
    appendText(bytes, u"Dial");
    appendValue<WORD>(bytes, 0xFFFF);
    appendValue<WORD>(bytes, 128);
    appendValue<WORD>(bytes, 3);
    for (BYTE value : {1, 2, 3}) bytes.push_back(value);
    return bytes;
}

}  // namespace

class DialogTemplateTest : public ResourceTest {};

TEST_F(DialogTemplateTest, ClassicTemplateFromTheResourceCompiler) {
    ResourceBytes resource = ownResource(RT_DIALOG, MAKEINTRESOURCE(IDD_CLASSIC));
    ASSERT_NE(resource.data, nullptr);
    std::string error;
    auto dialog = ce::parseDialogTemplate(resource.data, resource.size, &error);
    ASSERT_TRUE(dialog) << error;
    EXPECT_FALSE(dialog->extended);
    EXPECT_EQ(dialog->style, 0x90C000C0u);
    EXPECT_EQ(dialog->exStyle, 0x80040000u);
    EXPECT_EQ(dialog->x, 0);
    EXPECT_EQ(dialog->y, 0);
    EXPECT_EQ(dialog->cx, 136);
    EXPECT_EQ(dialog->cy, 155);
    EXPECT_EQ(narrow(dialog->caption), "Hueprobe");
    EXPECT_TRUE(dialog->menu.empty());
    EXPECT_EQ(dialog->menuOrdinal, 0);
    EXPECT_TRUE(dialog->windowClass.empty());
    EXPECT_TRUE(dialog->hasFont);
    EXPECT_EQ(dialog->pointSize, 8);
    EXPECT_EQ(narrow(dialog->faceName), "System");
    // The resource compiler's defaults: PUSHBUTTON adds WS_TABSTOP, CTEXT
    // adds SS_CENTER and WS_GROUP; IDC_STATIC is the word 0xFFFF.
    expectItems(*dialog, {
        {IDC_START_CHECK, "button", "Start Check", 0, 0x50010000, 0, 0, 23, 87, 90, 14},
        {IDC_EXIT, "button", "Exit", 0, 0x50010000, 0, 0, 23, 105, 90, 14},
        {0xFFFF, "static", "Hueprobe V 1.0b", 0, 0x50020001, 0, 0, 16, 29, 106, 9},
    });
}

TEST_F(DialogTemplateTest, ExtendedTemplateFromTheResourceCompiler) {
    ResourceBytes resource = ownResource(RT_DIALOG, MAKEINTRESOURCE(IDD_EXTENDED));
    ASSERT_NE(resource.data, nullptr);
    std::string error;
    auto dialog = ce::parseDialogTemplate(resource.data, resource.size, &error);
    ASSERT_TRUE(dialog) << error;
    EXPECT_TRUE(dialog->extended);
    EXPECT_EQ(dialog->style, 0x80C800C0u);
    EXPECT_EQ(dialog->exStyle, 0u);
    EXPECT_EQ(dialog->x, 4);
    EXPECT_EQ(dialog->y, 6);
    EXPECT_EQ(dialog->cx, 200);
    EXPECT_EQ(dialog->cy, 100);
    EXPECT_EQ(narrow(dialog->caption), "Extended");
    EXPECT_TRUE(dialog->hasFont);
    EXPECT_EQ(dialog->pointSize, 10);
    EXPECT_EQ(dialog->weight, 700);
    EXPECT_EQ(dialog->italic, 1);
    EXPECT_EQ(dialog->charSet, 0);
    EXPECT_EQ(narrow(dialog->faceName), "Tahoma");
    // LTEXT: SS_LEFT | WS_GROUP; CONTROL: the given style plus WS_CHILD |
    // WS_VISIBLE; ICON: SS_ICON with the icon's ordinal as text; EDITTEXT:
    // ES_LEFT | WS_BORDER | WS_TABSTOP plus the given ES_AUTOHSCROLL.
    expectItems(*dialog, {
        {0xFFFFFFFF, "static", "Left", 0, 0x50020000, 0, 0, 1, 2, 30, 8},
        {IDC_CUSTOM, "CustomClass", "Custom", 0, 0x50010000, WS_EX_CLIENTEDGE, 77, 5, 6, 70, 12},
        {IDC_PICTURE, "static", "", IDI_APP, 0x50000003, 0, 0, 80, 10, 21, 20},
        {IDC_EXIT, "edit", "", 0, 0x50810080, 0, 0, 10, 40, 100, 12},
    });
}

TEST_F(DialogTemplateTest, HandBuiltTemplatesWithCreationDataAndOrdinals) {
    std::vector<BYTE> classic = classicTemplateWithCreationData();
    std::string error;
    auto dialog = ce::parseDialogTemplate(classic.data(), classic.size(), &error);
    ASSERT_TRUE(dialog) << error;
    EXPECT_EQ(dialog->menuOrdinal, 55);
    EXPECT_EQ(narrow(dialog->windowClass), "MyDialogClass");
    EXPECT_EQ(narrow(dialog->caption), "Title");
    EXPECT_FALSE(dialog->hasFont);
    ASSERT_EQ(dialog->items.size(), 1u);
    EXPECT_EQ(narrow(dialog->items[0].windowClass), "button");
    EXPECT_EQ(dialog->items[0].id, 42u);
    EXPECT_EQ(dialog->items[0].creationData, (std::vector<BYTE>{0xAA, 0xBB}));

    std::vector<BYTE> extended = extendedTemplateWithCreationData();
    dialog = ce::parseDialogTemplate(extended.data(), extended.size(), &error);
    ASSERT_TRUE(dialog) << error;
    EXPECT_EQ(dialog->helpId, 9u);
    EXPECT_EQ(dialog->exStyle, DWORD{WS_EX_TOPMOST});
    EXPECT_EQ(dialog->x, -1);
    EXPECT_EQ(dialog->y, -2);
    EXPECT_TRUE(dialog->caption.empty());
    EXPECT_EQ(dialog->weight, 400);
    EXPECT_EQ(dialog->charSet, 2);
    EXPECT_EQ(narrow(dialog->faceName), "Face");
    ASSERT_EQ(dialog->items.size(), 1u);
    EXPECT_EQ(dialog->items[0].helpId, 5u);
    EXPECT_EQ(dialog->items[0].id, 0x12345u);
    EXPECT_EQ(narrow(dialog->items[0].windowClass), "Dial");
    EXPECT_EQ(dialog->items[0].textOrdinal, 128);
    EXPECT_EQ(dialog->items[0].creationData, (std::vector<BYTE>{1, 2, 3}));
}

// CreateDialogIndirectParam does not know the template's length.
TEST_F(DialogTemplateTest, UnknownLengthReadsTheSameTemplate) {
    ResourceBytes resource = ownResource(RT_DIALOG, MAKEINTRESOURCE(IDD_EXTENDED));
    ASSERT_NE(resource.data, nullptr);
    auto known = ce::parseDialogTemplate(resource.data, resource.size, nullptr);
    auto unknown = ce::parseDialogTemplate(resource.data, SIZE_MAX, nullptr);
    ASSERT_TRUE(known && unknown);
    ASSERT_EQ(unknown->items.size(), known->items.size());
    EXPECT_EQ(unknown->items.back().style, known->items.back().style);
    EXPECT_EQ(unknown->faceName, known->faceName);
}

TEST_F(DialogTemplateTest, DamagedTemplatesAreRefusedWithAReason) {
    std::vector<BYTE> unknownAtom = classicTemplateWithCreationData();
    unknownAtom[unknownAtom.size() - 12] = 0x86;  // the class atom of the control
    std::vector<BYTE> shortCreationData = classicTemplateWithCreationData();
    shortCreationData[shortCreationData.size() - 4] = 1;  // size word smaller than itself
    std::vector<BYTE> moreControls = classicTemplateWithCreationData();
    moreControls[8] = 2;  // two controls claimed, one present
    struct Case {
        const char* what;
        std::vector<BYTE> bytes;
        const char* message;
    };
    const Case cases[] = {
        {"unknown class atom", unknownAtom, "dialog template: control 1 names the unknown predefined class 0x86"},
        {"creation data size", shortCreationData,
         "dialog template: control 1: its creation data size is smaller than the size word"},
        {"missing control", moreControls, "dialog template: control 2 is cut short"},
        {"one byte", {0x01}, "dialog template: the dialog header is cut short"},
    };
    for (const Case& test : cases) {
        std::string error;
        EXPECT_FALSE(ce::parseDialogTemplate(test.bytes.data(), test.bytes.size(), &error)) << test.what;
        EXPECT_EQ(error, test.message) << test.what;
    }
}

// Cutting a template anywhere short of its end is an error, never a crash.
TEST_F(DialogTemplateTest, EveryTruncationIsRefused) {
    std::vector<std::vector<BYTE>> templates = {classicTemplateWithCreationData(), extendedTemplateWithCreationData()};
    for (WORD id : {WORD{IDD_CLASSIC}, WORD{IDD_EXTENDED}}) {
        ResourceBytes resource = ownResource(RT_DIALOG, MAKEINTRESOURCE(id));
        ASSERT_NE(resource.data, nullptr);
        templates.emplace_back(resource.data, resource.data + resource.size);
    }
    for (const auto& whole : templates) {
        // The resource copies may carry padding after the last control.
        std::size_t end = whole.size();
        while (end > 0 && ce::parseDialogTemplate(whole.data(), end - 1, nullptr)) --end;
        for (std::size_t length = 0; length < end; ++length) {
            std::vector<BYTE> cut(whole.begin(), whole.begin() + length);
            std::string error;
            EXPECT_FALSE(ce::parseDialogTemplate(cut.data(), cut.size(), &error)) << "length " << length;
            EXPECT_EQ(error.rfind("dialog template: ", 0), 0u) << error;
        }
    }
}
