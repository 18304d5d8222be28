// The shelf over the real dictionary system and language resource manager,
// driven through its interface and its windows' messages: the model built
// from collections of each size, the selection handed out and taken,
// renaming, the info tip in both character forms, the selection kept over
// a collapsed root, Enter, a second dictionary system, a system given
// before the window exists, and the pager following the keyboard by whole
// rows.
#include <string>
#include <vector>

#include "com/Automation.h"
#include "com/AxHost.h"
#include "com/Fonts.h"
#include "shelf_test_support.h"

namespace com = morvex::com;

namespace {

struct BuildCase {
  const char* name;
  std::vector<TestDictionary> dictionaries;
  int items;
  int images;  // -1: no image list
  int selChanges;
};

// Twelve pictures of the strip, then one per language pair.
const BuildCase kBuildCases[] = {
    {"empty", {}, 0, -1, 0},
    {"one", {kEnglishRussian}, 2, 13, 1},
    {"three, two pairs", {kEnglishRussian, kRussianEnglish, kEnglishRussian}, 4, 14, 1},
};

TEST_F(ShelfTest, BuildsTheTreeOfEachCollection) {
  for (const BuildCase& c : kBuildCases) {
    SCOPED_TRACE(c.name);
    MakeShelf(380, 360);
    com::Ptr<ILexiconHub> system = MakeSystem(c.dictionaries);
    ASSERT_TRUE(system);
    SetUpAsTheHostDoes(system.Get());
    EXPECT_EQ(ItemCount(), c.items);
    EXPECT_EQ(ImageCount(), c.images);
    EXPECT_EQ(selChanges_, c.selChanges);
    com::Ptr<IUnknown> active;
    if (c.dictionaries.empty()) {
      EXPECT_EQ(Hr{shelf_->get_ActiveObject(active.Put())}, Hr{E_NOINTERFACE});
      EXPECT_EQ(Root(), nullptr);
      continue;
    }
    EXPECT_TRUE(ActiveObjectIs(DictionaryAt(system.Get(), 1).Get()));
    EXPECT_EQ(TextOf(Root()), "Dictionary Collection");
    std::vector<HTREEITEM> children = Children();
    ASSERT_EQ(children.size(), c.dictionaries.size());
    for (size_t i = 0; i < children.size(); ++i) {
      com::Ptr<IVelDictionary> dictionary = DictionaryAt(system.Get(), static_cast<long>(i + 1));
      EXPECT_EQ(TextOf(children[i]), MadeName(system.Get(), dictionary.Get(), 1033)) << i;
    }
  }
}

TEST_F(ShelfTest, DictSystemRefusesWhatIsNoDictionarySystem) {
  com::Ptr<ILexiconHub> system = MakeSystem({kEnglishRussian});
  ASSERT_TRUE(system);
  com::Ptr<IVelDictionary> dictionary = DictionaryAt(system.Get(), 1);
  EXPECT_EQ(Hr{shelf_->put_DictSystem(nullptr)}, Hr{E_NOINTERFACE});
  EXPECT_EQ(Hr{shelf_->put_DictSystem(dictionary.Get())}, Hr{E_NOINTERFACE});
  com::Ptr<IUnknown> held;
  ASSERT_EQ(Hr{shelf_->get_DictSystem(held.Put())}, Hr{S_OK});
  EXPECT_FALSE(held);
  ASSERT_EQ(Hr{shelf_->put_DictSystem(system.Get())}, Hr{S_OK});
  ASSERT_EQ(Hr{shelf_->get_DictSystem(held.Put())}, Hr{S_OK});
  EXPECT_TRUE(com::SameObject(held.Get(), system.Get()));
}

TEST_F(ShelfTest, PutActiveObjectSelectsOnlyADictionaryOfTheTree) {
  com::Ptr<ILexiconHub> system = MakeSystem({kEnglishRussian, kRussianEnglish, kEnglishRussian});
  ASSERT_TRUE(system);
  SetUpAsTheHostDoes(system.Get());
  com::Ptr<IVelDictionary> third = DictionaryAt(system.Get(), 3);
  com::Ptr<IVelDictionary> outsider = LooseDictionary(kEnglishRussian);
  struct Step {
    const char* name;
    IUnknown* object;
    HRESULT result;
    IVelDictionary* selectedAfter;
    int selChanges;
  };
  com::Ptr<IVelDictionary> first = DictionaryAt(system.Get(), 1);
  const Step steps[] = {
      {"null", nullptr, E_INVALIDARG, first.Get(), 0},
      {"no dictionary", system.Get(), E_NOINTERFACE, first.Get(), 0},
      {"not in the tree", outsider.Get(), S_OK, first.Get(), 0},
      {"the third", third.Get(), S_OK, third.Get(), 1},
      {"the third again", third.Get(), S_OK, third.Get(), 0},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    ResetCounts();
    EXPECT_EQ(Hr{shelf_->put_ActiveObject(step.object)}, Hr{step.result});
    PumpPending();
    EXPECT_TRUE(ActiveObjectIs(step.selectedAfter));
    EXPECT_EQ(selChanges_, step.selChanges);
  }
  EXPECT_EQ(Selected(), Children()[2]);
}

TEST_F(ShelfTest, LangIdRenamesTheRootAndEveryDictionary) {
  com::Ptr<ILexiconHub> system = MakeSystem({kEnglishRussian, kRussianEnglish});
  ASSERT_TRUE(system);
  SetUpAsTheHostDoes(system.Get());
  // The collection's name is only stored until the language changes.
  ASSERT_EQ(
      Hr{shelf_->put_DictCollName(com::Bstr(L"\x0421\x043B\x043E\x0432\x0430\x0440\x0438").Get())},
      Hr{S_OK});
  EXPECT_EQ(TextOf(Root()), "Dictionary Collection");
  ASSERT_EQ(Hr{shelf_->put_LangID(1049)}, Hr{S_OK});
  EXPECT_EQ(TextOf(Root()), "\xD1\xEB\xEE\xE2\xE0\xF0\xE8");
  std::vector<HTREEITEM> children = Children();
  ASSERT_EQ(children.size(), 2u);
  for (long i = 0; i < 2; ++i) {
    std::string russian = MadeName(system.Get(), DictionaryAt(system.Get(), i + 1).Get(), 1049);
    EXPECT_EQ(TextOf(children[i]), russian) << i;
    EXPECT_NE(russian, MadeName(system.Get(), DictionaryAt(system.Get(), i + 1).Get(), 1033));
  }
  long langId = 0;
  ASSERT_EQ(Hr{shelf_->get_LangID(&langId)}, Hr{S_OK});
  EXPECT_EQ(langId, 1049);
}

// What the pager hands on: the tip request of one item in one character
// form, with a buffer of `size` characters; the text it came back with.
template <class Tip, class Char>
std::basic_string<Char> AskInfoTip(HWND control, HWND tree, HTREEITEM item, UINT code, int size) {
  std::vector<Char> buffer(64, Char('#'));
  buffer[0] = 0;
  Tip tip = {};
  tip.hdr.hwndFrom = tree;
  tip.hdr.idFrom = 1000;
  tip.hdr.code = code;
  tip.pszText = buffer.data();
  tip.cchTextMax = size;
  tip.hItem = item;
  SendMessageA(control, WM_NOTIFY, 1000, reinterpret_cast<LPARAM>(&tip));
  return buffer.data();
}

TEST_F(ShelfTest, InfoTipTellsTheEntriesInEitherCharacterFormCutToItsBuffer) {
  com::Ptr<ILexiconHub> system = MakeSystem({kEnglishRussian, kRussianEnglish});
  ASSERT_TRUE(system);
  SetUpAsTheHostDoes(system.Get());
  HTREEITEM first = Children()[0], second = Children()[1];
  EXPECT_EQ(
      (AskInfoTip<NMTVGETINFOTIPA, char>(ControlWindow(), Tree(), first, TVN_GETINFOTIPA, 64)),
      "Dictionary entries: 3");
  EXPECT_EQ(
      (AskInfoTip<NMTVGETINFOTIPW, wchar_t>(ControlWindow(), Tree(), second, TVN_GETINFOTIPW, 64)),
      L"Dictionary entries: 2");
  EXPECT_EQ(
      (AskInfoTip<NMTVGETINFOTIPA, char>(ControlWindow(), Tree(), first, TVN_GETINFOTIPA, 10)),
      "Dictionar");
  EXPECT_EQ(
      (AskInfoTip<NMTVGETINFOTIPW, wchar_t>(ControlWindow(), Tree(), first, TVN_GETINFOTIPW, 10)),
      L"Dictionar");
  // The root holds no dictionary: the tree's own text stays.
  EXPECT_EQ(
      (AskInfoTip<NMTVGETINFOTIPA, char>(ControlWindow(), Tree(), Root(), TVN_GETINFOTIPA, 64)),
      "");
  ASSERT_EQ(
      Hr{shelf_->put_InfoTipTitle(com::Bstr(L"\x0421\x0442\x0430\x0442\x0435\x0439: ").Get())},
      Hr{S_OK});
  EXPECT_EQ(
      (AskInfoTip<NMTVGETINFOTIPA, char>(ControlWindow(), Tree(), first, TVN_GETINFOTIPA, 64)),
      "\xD1\xF2\xE0\xF2\xE5\xE9: 3");
}

void Key(HWND tree, WPARAM key) {
  SendMessageA(tree, WM_KEYDOWN, key, 1);
  SendMessageA(tree, WM_KEYUP, key, 0xC0000001);
  PumpPending();
}

TEST_F(ShelfTest, RootCollapsedAndExpandedGivesBackTheEarlierDictionary) {
  com::Ptr<ILexiconHub> system = MakeSystem({kEnglishRussian, kRussianEnglish, kEnglishFrench});
  ASSERT_TRUE(system);
  SetUpAsTheHostDoes(system.Get());
  com::Ptr<IVelDictionary> second = DictionaryAt(system.Get(), 2);
  ASSERT_EQ(Hr{shelf_->put_ActiveObject(second.Get())}, Hr{S_OK});
  Key(Tree(), VK_LEFT);  // to the root
  ASSERT_EQ(Selected(), Root());
  com::Ptr<IUnknown> active;
  EXPECT_EQ(Hr{shelf_->get_ActiveObject(active.Put())}, Hr{E_NOINTERFACE});
  Key(Tree(), VK_SUBTRACT);
  ASSERT_FALSE(
      SendMessageA(Tree(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(Root()), TVIS_EXPANDED) &
      TVIS_EXPANDED);
  Key(Tree(), VK_ADD);
  EXPECT_TRUE(ActiveObjectIs(second.Get()));
}

TEST_F(ShelfTest, EnterAsksOnceForTheDictionary) {
  com::Ptr<ILexiconHub> system = MakeSystem({kEnglishRussian});
  ASSERT_TRUE(system);
  SetUpAsTheHostDoes(system.Get());
  Key(Tree(), VK_RETURN);
  EXPECT_EQ(needShowDics_, 1);
  // Keys that are not Enter ask for nothing.
  Key(Tree(), VK_SPACE);
  EXPECT_EQ(needShowDics_, 1);
}

TEST_F(ShelfTest, SecondDictionarySystemReplacesTheFirst) {
  com::Ptr<ILexiconHub> first = MakeSystem({kEnglishRussian, kRussianEnglish});
  com::Ptr<ILexiconHub> second = MakeSystem({kEnglishFrench, kRussianEnglish, kEnglishRussian});
  ASSERT_TRUE(first && second);
  SetUpAsTheHostDoes(first.Get());
  ASSERT_EQ(Hr{shelf_->put_DictSystem(second.Get())}, Hr{S_OK});
  PumpPending();
  EXPECT_EQ(ItemCount(), 4);
  EXPECT_EQ(ImageCount(), 12 + 3);
  EXPECT_TRUE(ActiveObjectIs(DictionaryAt(second.Get(), 1).Get()));
  // The first system is the caller's alone again.
  first->AddRef();
  EXPECT_EQ(first->Release(), 1u);
}

TEST_F(ShelfTest, SystemGivenWithoutAWindowIsBuiltWhenTheWindowIsMade) {
  com::Ptr<ILexiconHub> system = MakeSystem({kEnglishRussian, kRussianEnglish});
  ASSERT_TRUE(system);
  com::Ptr<IOleInPlaceObject> inPlace;
  com::Ptr<IOleObject> object;
  ASSERT_EQ(Hr{shelf_.As(&inPlace)}, Hr{S_OK});
  ASSERT_EQ(Hr{shelf_.As(&object)}, Hr{S_OK});
  ASSERT_EQ(Hr{inPlace->InPlaceDeactivate()}, Hr{S_OK});
  ASSERT_EQ(ControlWindow(), nullptr);
  ASSERT_EQ(Hr{shelf_->put_DictSystem(system.Get())}, Hr{S_OK});
  com::Ptr<IOleClientSite> site;
  ASSERT_EQ(Hr{object->GetClientSite(site.Put())}, Hr{S_OK});
  RECT place = {};
  GetClientRect(host_, &place);
  ASSERT_EQ(Hr{object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site.Get(), 0, host_, &place)},
            Hr{S_OK});
  PumpPending();
  ASSERT_NE(ControlWindow(), nullptr);
  EXPECT_EQ(ItemCount(), 3);
  EXPECT_EQ(selChanges_, 1);
  EXPECT_TRUE(ActiveObjectIs(DictionaryAt(system.Get(), 1).Get()));
}

TEST_F(ShelfTest, ColoursAndFontsReachTreeAndPager) {
  com::Ptr<ILexiconHub> system = MakeSystem({kEnglishRussian});
  ASSERT_TRUE(system);
  SetUpAsTheHostDoes(system.Get());
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(Tree(), TVM_GETBKCOLOR, 0, 0)), back_);
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(Pager(), PGM_GETBKCOLOR, 0, 0)), back_);
  OLE_COLOR colour = 0;
  ASSERT_EQ(Hr{shelf_->get_TextColor(&colour)}, Hr{S_OK});
  EXPECT_EQ(colour, text_);

  // The stored font comes back; a null one or one by reference changes nothing.
  com::Ptr<IFontDisp> given, stored;
  ASSERT_EQ(Hr{shelf_->get_Font(given.Put())}, Hr{S_OK});
  ASSERT_TRUE(given);
  EXPECT_EQ(Hr{shelf_->put_Font(nullptr)}, Hr{S_OK});
  com::Ptr<IFontDisp> other;
  ASSERT_EQ(Hr{com::CreateFontDisp({L"Arial", 14, FW_BOLD, RUSSIAN_CHARSET, false}, &other)},
            Hr{S_OK});
  EXPECT_EQ(Hr{shelf_->putref_Font(other.Get())}, Hr{S_OK});
  ASSERT_EQ(Hr{shelf_->get_Font(stored.Put())}, Hr{S_OK});
  EXPECT_EQ(stored, given);
  com::Ptr<IFont> details;
  HFONT handle = nullptr;
  ASSERT_EQ(Hr{given.As(&details)}, Hr{S_OK});
  ASSERT_EQ(Hr{details->get_hFont(&handle)}, Hr{S_OK});
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(Tree(), WM_GETFONT, 0, 0)), handle);
}

TEST_F(ShelfTest, AmbientBackColourAndFontReachTheTree) {
  com::Ptr<ILexiconHub> system = MakeSystem({kEnglishRussian});
  ASSERT_TRUE(system);
  SetUpAsTheHostDoes(system.Get());
  com::Variant colour(static_cast<long>(RGB(200, 40, 60)));
  ASSERT_EQ(Hr{com::AxSetAmbientProperty(host_, DISPID_AMBIENT_BACKCOLOR, colour.Get())}, Hr{S_OK});
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(Tree(), TVM_GETBKCOLOR, 0, 0)), RGB(200, 40, 60));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(Pager(), PGM_GETBKCOLOR, 0, 0)), RGB(200, 40, 60));
  OLE_COLOR back = 0;
  ASSERT_EQ(Hr{shelf_->get_BackColor(&back)}, Hr{S_OK});
  EXPECT_EQ(back, RGB(200, 40, 60));

  com::Ptr<IFontDisp> font;
  ASSERT_EQ(Hr{com::CreateFontDisp({L"Arial", 12, FW_BOLD, RUSSIAN_CHARSET, false}, &font)},
            Hr{S_OK});
  com::Variant ambientFont(static_cast<IDispatch*>(font.Get()));
  ASSERT_EQ(Hr{com::AxSetAmbientProperty(host_, DISPID_AMBIENT_FONT, ambientFont.Get())}, Hr{S_OK});
  com::Ptr<IFontDisp> taken;
  com::Ptr<IFont> details;
  HFONT handle = nullptr;
  ASSERT_EQ(Hr{shelf_->get_Font(taken.Put())}, Hr{S_OK});
  ASSERT_EQ(Hr{taken.As(&details)}, Hr{S_OK});
  ASSERT_EQ(Hr{details->get_hFont(&handle)}, Hr{S_OK});
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(Tree(), WM_GETFONT, 0, 0)), handle);
}

TEST_F(ShelfTest, DownToTheLastRowMovesThePagerByWholeRows) {
  com::Ptr<ILexiconHub> system = MakeSystem({kEnglishRussian, kRussianEnglish, kEnglishFrench,
                                             kEnglishRussian, kRussianEnglish, kEnglishFrench});
  ASSERT_TRUE(system);
  SetUpAsTheHostDoes(system.Get());
  int row = static_cast<int>(SendMessageA(Tree(), TVM_GETITEMHEIGHT, 0, 0));
  ASSERT_GT(row, 0);
  SetWindowPos(host_, nullptr, 0, 0, 380, 3 * row, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  PumpPending();
  RECT span = {};
  GetClientRect(Pager(), &span);
  ASSERT_LT(span.bottom - span.top, 7 * row) << "the rows must not fit";
  std::vector<HTREEITEM> children = Children();
  ASSERT_EQ(children.size(), 6u);
  std::vector<int> positions;
  for (size_t i = 1; i < children.size(); ++i) {
    Key(Tree(), VK_DOWN);
    ASSERT_EQ(Selected(), children[i]) << i;
    positions.push_back(static_cast<int>(SendMessageA(Pager(), PGM_GETPOS, 0, 0)));
    RECT shown = RowOf(children[i]);
    MapWindowPoints(Tree(), Pager(), reinterpret_cast<POINT*>(&shown), 2);
    GetClientRect(Pager(), &span);
    EXPECT_GE(shown.top, span.top) << i;
    EXPECT_LE(shown.bottom, span.bottom) << i;
  }
  // Whole rows, but for the pager's end, which its height and buttons set.
  SendMessageA(Pager(), PGM_SETPOS, 0, 100 * row);
  const int end = static_cast<int>(SendMessageA(Pager(), PGM_GETPOS, 0, 0));
  for (int position : positions)
    EXPECT_TRUE(position % row == 0 || position == end) << position << " of " << end;
  EXPECT_EQ(positions.back(), end);
  EXPECT_EQ(selChanges_, 6);
}

}  // namespace
