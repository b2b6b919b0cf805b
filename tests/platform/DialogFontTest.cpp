#include "platform/DialogFont.h"
#include "PlatformTestSupport.h"
#include "platform/CDialog.h"

#include <QApplication>

namespace {

constexpr UINT kFontDialog = 9101;

// "WIDTHxHEIGHT X,Y WIDTHxHEIGHT ...": a dialog's client size, then its
// controls' rectangles.
std::string Describe(QSize size) {
    return std::to_string(size.width()) + "x" + std::to_string(size.height());
}

std::string Describe(QRect rect) {
    return std::to_string(rect.x()) + "," + std::to_string(rect.y()) + " " + Describe(rect.size());
}

class GeometryDialog : public CDialog {
  public:
    explicit GeometryDialog(DialogTemplateFont font) : CDialog(kFontDialog) {
        constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
        RegisterDialogTemplate(kFontDialog, {"Insert Frame Script",
                                             156,
                                             61,
                                             WS_POPUP | WS_CAPTION | DS_MODALFRAME,
                                             {{"EDIT", "", 1000, 108, 20, 40, 12, kChild},
                                              {"BUTTON", "OK", IDOK, 44, 40, 50, 14, kChild}},
                                             std::move(font)});
    }
    std::string m_strGeometry;

  protected:
    BOOL OnInitDialog() override {
        m_strGeometry = Describe(GetWidget()->size()) + " " +
                        Describe(GetDlgItem(1000)->GetWidget()->geometry()) + " " +
                        Describe(GetDlgItem(IDOK)->GetWidget()->geometry());
        return CDialog::OnInitDialog();
    }
};

} // namespace

// Liberation faces (the set-up installs them) at 96 pixels per inch.
TEST(DialogFontTest, DialogAndControlsAreLaidOutInUnitsOfTheTemplatesFont) {
    struct Row {
        DialogTemplateFont font;
        int nBaseX, nBaseY;
        std::string strGeometry; // the dialog, the edit box, the OK button
    };
    const Row rows[] = {
        {{"MS Sans Serif", 8}, 6, 12, "234x92 162,30 60x18 66,60 75x21"},
        {{"Arial", 8}, 6, 12, "234x92 162,30 60x18 66,60 75x21"},
        {{"MS Sans Serif", 12}, 9, 17, "351x130 243,43 90x26 99,85 113x30"},
        {{"Courier New", 10}, 8, 15, "312x114 216,38 80x23 88,75 100x26"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.font.faceName + " " + std::to_string(row.font.nPointSize));
        const DialogFont font(row.font);
        EXPECT_EQ(font.GetBaseUnitX(), row.nBaseX);
        EXPECT_EQ(font.GetBaseUnitY(), row.nBaseY);
        Automation::Instance().QueueDialogAnswer(false, {});
        GeometryDialog dialog(row.font);
        dialog.DoModal();
        EXPECT_EQ(dialog.m_strGeometry, row.strGeometry);
    }
    Automation::Instance().Clear();
    FlushDeletes();
}
