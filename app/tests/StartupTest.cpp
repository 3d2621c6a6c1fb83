// The practice window as it starts: attributes, controls and their places, menus, the voice list
// and format list filled from the component, and the two ways start-up can go wrong.
#include "PracticeMenuBand.h"
#include "PracticeWindowFixture.h"

using tk::testing::DialogWatcher;
using tk::testing::Gbk;
using tk::testing::Utf8;
using practice::testing::MenuItemText;

namespace {

RECT RectIn(HWND wnd, HWND parent) {
  RECT r;
  GetWindowRect(wnd, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

TEST_F(PracticeWindowTest, WindowHasItsCaptionSizeAndFixedBorderWithoutCaptionIcons) {
  ShowForm();
  HWND wnd = form->Handle();
  wchar_t caption[64];
  GetWindowTextW(wnd, caption, 64);
  EXPECT_STREQ(caption, L"TolvaneV1.5");
  RECT client;
  GetClientRect(wnd, &client);
  EXPECT_EQ(client.right, 942);
  EXPECT_EQ(client.bottom, 622);
  const LONG style = GetWindowLongW(wnd, GWL_STYLE);
  EXPECT_FALSE(style & WS_SYSMENU);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_CAPTION);
  // Centred on the work area.
  RECT work, window;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(wnd, &window);
  EXPECT_NEAR((window.left + window.right) / 2, (work.left + work.right) / 2, 1);
  EXPECT_NEAR((window.top + window.bottom) / 2, (work.top + work.bottom) / 2, 1);
  EXPECT_EQ(form->Font().Name(), "MS Sans Serif");
  EXPECT_EQ(form->Font().Height(), -11);
  // The skin paints the form in its own button face.
  auto* skin = form->FindComponentAs<TSkinData>("SkinData1");
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(form->Color(), skin->Colors[scButtonFace]);
}

TEST_F(PracticeWindowTest, ControlsSitWhereTheLayoutPutsThem) {
  ShowForm();
  HWND wnd = form->Handle();
  EXPECT_EQ(RectIn(form->ToolBar1->Handle(), wnd).top, 0);
  EXPECT_EQ(form->ToolBar1->Height(), 29);
  EXPECT_EQ(form->ToolBar1->ButtonHeight(), 21);

  struct Expect {
    tk::TControl* control;
    int left, width;
  } toolbarItems[] = {{form->ComboBox2, 0, 249}, {form->BitBtn1, 249, 75}, {form->BitBtn4, 324, 75},
                      {form->BitBtn2, 399, 75}, {form->Label4, 474, 8}};
  for (const auto& e : toolbarItems) {
    EXPECT_EQ(e.control->Parent(), form->ToolBar1) << e.control->Name();
    EXPECT_EQ(e.control->Left(), e.left) << e.control->Name();
    EXPECT_EQ(e.control->Width(), e.width) << e.control->Name();
  }
  EXPECT_EQ(form->ComboBox2->Height(), 21);
  EXPECT_EQ(form->ComboBox2->Style(), tk::TComboBoxStyle::csDropDownList);
  EXPECT_EQ(form->ComboBox2->Hint(), Gbk("选择朗读人员！"));
  EXPECT_TRUE(form->ComboBox2->ShowHint());

  EXPECT_EQ(form->BitBtn1->Caption(), Gbk("开  始"));
  EXPECT_TRUE(form->BitBtn1->Enabled());
  EXPECT_EQ(form->BitBtn1->TabOrder(), 0);
  EXPECT_EQ(form->BitBtn4->Caption(), Gbk("暂  停"));
  EXPECT_FALSE(IsWindowEnabled(form->BitBtn4->Handle()));
  EXPECT_EQ(form->BitBtn2->Caption(), Gbk("交稿查看"));
  EXPECT_FALSE(IsWindowEnabled(form->BitBtn2->Handle()));
  EXPECT_FALSE(form->Label4->Visible());
  EXPECT_EQ(form->Label4->Caption(), "0");

  // The article view is hidden: the splitter and the typing area move up under the tool bar.
  EXPECT_FALSE(form->RichEdit1->Visible());
  EXPECT_TRUE(form->RichEdit1->ReadOnly());
  EXPECT_EQ(form->RichEdit1->Height(), 200);
  EXPECT_EQ(form->Splitter1->Top(), 29);
  EXPECT_EQ(form->Splitter1->Height(), 3);
  EXPECT_EQ(form->Splitter1->Cursor(), tk::crVSplit);
  const RECT typing = RectIn(form->RichEdit2->Handle(), wnd);
  EXPECT_EQ(typing.top, 32);
  EXPECT_EQ(typing.bottom, 622 - 19);
  EXPECT_EQ(typing.right - typing.left, 942);
  EXPECT_TRUE(GetWindowLongW(form->RichEdit2->Handle(), GWL_STYLE) & WS_VSCROLL ||
              form->RichEdit2->ScrollBars() == tk::TScrollStyle::ssVertical);
  for (tk::TRichEdit* edit : {form->RichEdit1, form->RichEdit2}) {
    EXPECT_EQ(edit->Font().Name(), Gbk("宋体"));
    EXPECT_EQ(edit->Font().Height(), -16);
    EXPECT_EQ(edit->Font().Charset(), GB2312_CHARSET);
  }
  EXPECT_EQ(form->RichEdit2->GetText(), "");

  const RECT status = RectIn(form->StatusBar1->Handle(), wnd);
  EXPECT_EQ(status.top, 622 - 19);
  EXPECT_EQ(status.bottom, 622);
  int parts[4] = {};
  ASSERT_EQ(SendMessageW(form->StatusBar1->Handle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(parts)), 3);
  EXPECT_EQ(parts[0], 400);
  EXPECT_EQ(parts[1], 700);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(form->StatusBar1->PanelTextShown(i), "") << i;

  // The two hidden groups are moved far off screen by FormCreate.
  EXPECT_FALSE(form->GroupBox1->Visible());
  EXPECT_FALSE(form->GroupBox2->Visible());
  EXPECT_EQ(form->GroupBox1->Top(), -1300);
  EXPECT_EQ(form->GroupBox2->Top(), -1300);
  EXPECT_EQ(form->GroupBox1->Caption(), Gbk("暂时不显示的"));
  EXPECT_EQ(form->GroupBox2->Caption(), Gbk("10篇范例文章"));
  EXPECT_FALSE(form->Timer1->Enabled());
  EXPECT_EQ(form->Timer1->Interval(), 1000);
  EXPECT_EQ(form->OpenDialog1->Filter(), "TXT|*.TXT");
}

TEST_F(PracticeWindowTest, MenuBarShowsItsFourVisibleItemsWithTheirChildren) {
  ShowForm();
  // The skin draws the menu bar as a band of its own: the window keeps no native menu.
  EXPECT_EQ(GetMenu(form->Handle()), nullptr);
  TWinSkinMenu* band = practice::testing::MenuBand(form);
  ASSERT_NE(band, nullptr);
  ASSERT_EQ(band->ButtonCount(), 4);
  const char* captions[] = {"退出 ", "朗读分速", "选择txt文章", "帮助"};
  for (int i = 0; i < 4; ++i) {
    const TMenuBtn& button = *band->Buttons[static_cast<size_t>(i)];
    EXPECT_EQ(button.Caption, Utf8(captions[i])) << i;
    EXPECT_TRUE(button.Visible && button.Enabled) << i;
    EXPECT_GT(button.Bounds.right, button.Bounds.left) << i;
  }
  // A command on the bar itself.
  EXPECT_EQ(band->Buttons[2]->SubMenu, nullptr);
  EXPECT_EQ(band->Buttons[2]->Command, form->N1->Command());

  HMENU exit = band->Buttons[0]->SubMenu;
  EXPECT_EQ(exit, form->t1->Handle());
  ASSERT_EQ(GetMenuItemCount(exit), 1);
  EXPECT_EQ(MenuItemText(exit, 0), Utf8("退出系统"));

  HMENU speeds = band->Buttons[1]->SubMenu;
  EXPECT_EQ(speeds, form->N22->Handle());
  ASSERT_EQ(GetMenuItemCount(speeds), 5);
  const char* speedCaptions[] = {"速度1≈80-100", "速度2≈100-140", "速度3≈140-180", "速度4≈180-230", "速度5≈230-300  朗读最流畅情况"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(MenuItemText(speeds, i), Utf8(speedCaptions[i]));

  HMENU help = band->Buttons[3]->SubMenu;
  EXPECT_EQ(help, form->N3->Handle());
  ASSERT_EQ(GetMenuItemCount(help), 2);
  EXPECT_EQ(MenuItemText(help, 0), Utf8("语音库下载"));
  EXPECT_EQ(MenuItemText(help, 1), Utf8("使用说明"));

  EXPECT_FALSE(form->N17->Visible());
  EXPECT_FALSE(form->N2->Visible());
  EXPECT_EQ(form->N2->Count(), 10);
  EXPECT_TRUE(form->N18->Checked());
  EXPECT_EQ(form->MainMenu1->AutoHotkeys(), tk::TMenuAutoFlag::maManual);
}

TEST_F(PracticeWindowTest, VoicesAndFormatsComeFromTheComponentInOrder) {
  fake->voices = {L"普通话", L"粤语", L"English"};
  MakeForm();
  ASSERT_EQ(form->ComboBox2->Items().Count(), 3);
  EXPECT_EQ(form->ComboBox2->Items()[0], Gbk("普通话"));
  EXPECT_EQ(form->ComboBox2->Items()[1], Gbk("粤语"));
  EXPECT_EQ(form->ComboBox2->Items()[2], "English");
  EXPECT_EQ(form->ComboBox2->ItemIndex(), 0);
  EXPECT_EQ(form->ComboBox3->ItemIndex(), 1);
  EXPECT_EQ(form->ComboBox3->GetText(), "MP3");
  ASSERT_EQ(form->ComboBox1->Items().Count(), 2);
  EXPECT_EQ(form->ComboBox1->Items()[0], "22kHz 48kbps Mono");
  EXPECT_EQ(form->ComboBox1->ItemIndex(), 0);

  const std::vector<std::string> expected = {"VoiceCount", "VoiceName", "VoiceName", "VoiceName", "SetFileType",
                                             "FormatCount", "SetFormat", "FormatName", "SetFormat", "FormatName",
                                             "SetFormat", "SetVoice"};
  EXPECT_EQ(fake->Methods(), expected);
  EXPECT_EQ(fake->calls[1].numbers, std::vector<long>{0});
  EXPECT_EQ(fake->calls[3].numbers, std::vector<long>{2});
  EXPECT_EQ(fake->Last("SetFileType")->numbers, std::vector<long>{1});
  EXPECT_EQ(fake->Last("SetFormat")->numbers, std::vector<long>{0});
  EXPECT_EQ(fake->Last("SetVoice")->numbers, std::vector<long>{0});
  EXPECT_TRUE(openedPages.empty());
}

TEST_F(PracticeWindowTest, ShowingTheWindowAppliesSpeedLevelTwo) {
  MakeForm();
  EXPECT_EQ(form->ScrollBar1->Position(), 0);  // before FormShow
  form->Show();
  EXPECT_TRUE(form->N25->Checked());
  for (tk::TMenuItem* other : {form->N26, form->N27, form->N23, form->N24}) EXPECT_FALSE(other->Checked());
  EXPECT_EQ(form->ScrollBar1->Position(), -7);
  EXPECT_EQ(form->ScrollBar2->Position(), 100);
  EXPECT_EQ(form->ScrollBar3->Position(), 0);
  EXPECT_EQ(fake->CountOf("SetRate"), 0u);  // nothing is sent until Start
}

TEST_F(PracticeWindowTest, WithoutVoicesThePromptAndTheShopPageFollowAndSetVoiceFailsQuietly) {
  fake->voices.clear();
  fake->FailOn("SetVoice", E_INVALIDARG, L"no voice");
  DialogWatcher watcher;
  MakeForm();
  ASSERT_EQ(watcher.Count(), 1u);  // the prompt only: the failing SetVoice shows nothing
  const auto box = watcher.Dialogs()[0];
  EXPECT_EQ(box.caption, Utf8("提示"));
  EXPECT_EQ(box.text, Utf8("对不起，你的电脑可能没有安装语音库文件，请下载一个语音库并安装到默认路径下！请联系旺旺客服。"));
  EXPECT_EQ(box.buttons.size(), 1u);
  ASSERT_EQ(openedPages.size(), 1u);
  EXPECT_EQ(openedPages[0], TForm1::kVoiceShopAddress);
  EXPECT_EQ(form->ComboBox2->Items().Count(), 0);
  EXPECT_EQ(fake->CountOf("SetVoice"), 1u);
}

TEST_F(PracticeWindowTest, WithoutTheComponentTheErrorBoxShowsAndTheWindowStaysUsable) {
  fake->RevokeActive();
  HideComponent();
  DialogWatcher watcher;
  MakeForm();
  form->Show();
  ASSERT_EQ(watcher.Count(), 1u);
  const auto box = watcher.Dialogs()[0];
  EXPECT_EQ(box.caption, L"Tolvane");
  EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_FALSE(box.text.empty());
  // The rest of FormCreate was skipped: no voices, no formats, no prompt about voices.
  EXPECT_EQ(form->ComboBox2->Items().Count(), 0);
  EXPECT_EQ(form->ComboBox1->Items().Count(), 0);
  EXPECT_TRUE(openedPages.empty());
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_TRUE(form->N25->Checked());

  // Every later operation tries again: once the component is there, it is used.
  ShowComponent();
  fake->RegisterAsActive();
  EXPECT_EQ(form->Speech->VoiceCount(), 2);
}

}  // namespace
