#include "shelf_test_support.h"

#include <cstdio>
#include <cstring>

#include "com/AxHost.h"
#include "com/Fonts.h"
#include "com/WideText.h"
#include "com/testing/ControlHosting.h"
#include "dictsystem/tests/hub_test_support.h"

namespace com = morvex::com;

namespace {

constexpr wchar_t kFrameClass[] = L"MorvexShelfViewTestFrame";
constexpr DISPID kOnSelChange = 1;
constexpr DISPID kOnNeedShowDic = 2;

// What the main window gives the shelf (its strings 159 and 160).
constexpr wchar_t kCollectionName[] = L"Dictionary Collection";
constexpr wchar_t kInfoTipTitle[] = L"Dictionary entries: ";
const com::FontSpec kShelfFont = {L"Tahoma", 8, FW_NORMAL, RUSSIAN_CHARSET, false};

class ShelfEnvironment : public ControlTestEnvironment {
 public:
  ShelfEnvironment() : ControlTestEnvironment(kShelfViewDll, HostClass::kRegistered) {}
  void SetUp() override {
    ControlTestEnvironment::SetUp();
    ASSERT_TRUE(RegisterTestWindowClass(kFrameClass, GetSysColorBrush(COLOR_WINDOW)));
  }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new ShelfEnvironment);

std::wstring WindowsPath(std::string path) {
  for (char& c : path)
    if (c == '/') c = '\\';
  return com::WideFromAnsi(path);
}

std::wstring DictionaryPath(const TestDictionary& dictionary) {
  return WindowsPath(std::string(SHELF_TEST_DICTIONARY_DIR) + "/" + dictionary.file);
}

// One theme, general vocabulary, named in English and Russian; the
// dictionaries themselves are added to the collection by the tests.
void WriteDictionaryLists() {
  ClearDictionaryLists();
  MakeListKey("0");
  SetListString("Name\\400", "0", "General");
  SetListString("Name\\409", "0", "General");
  SetListString("Name\\419", "0", "\xCE\xE1\xF9\xE0\xFF \xEB\xE5\xEA\xF1\xE8\xEA\xE0");
}

}  // namespace

com::Ptr<ILexiconHub> MakeSystem(const std::vector<TestDictionary>& dictionaries) {
  com::Ptr<ILexiconHub> system = CreateByProgId<ILexiconHub>(L"Morvex.LexiconHub");
  if (!system) return nullptr;
  com::Bstr data(WindowsPath(std::string(MORVEX_BUILD_DATA_DIR) + "/").c_str());
  com::Ptr<IVelDictCollection> collection;
  EXPECT_EQ(Hr{system->put_PathToData(data.Get())}, Hr{S_OK});
  EXPECT_EQ(Hr{system->Init()}, Hr{S_OK});
  EXPECT_EQ(Hr{system->get_MorDictColl(collection.Put())}, Hr{S_OK});
  if (!collection) return nullptr;
  for (const TestDictionary& dictionary : dictionaries) {
    com::Ptr<IVelDictionary> loose = LooseDictionary(dictionary);
    if (!loose) return nullptr;
    EXPECT_EQ(Hr{collection->Add(loose.Get())}, Hr{S_OK});
  }
  return system;
}

com::Ptr<IVelDictionary> DictionaryAt(ILexiconHub* system, long index) {
  com::Ptr<IVelDictCollection> collection;
  com::Ptr<IVelDictionary> dictionary;
  if (SUCCEEDED(system->get_MorDictColl(collection.Put())))
    collection->get_Item(index, dictionary.Put());
  return dictionary;
}

// As the system reads an installed dictionary: its header, then closed.
com::Ptr<IVelDictionary> LooseDictionary(const TestDictionary& dictionary) {
  com::Ptr<IVelDictionary> loose = CreateByProgId<IVelDictionary>(L"LexiconHub.VelDictionary");
  if (!loose) return nullptr;
  com::Bstr path(DictionaryPath(dictionary).c_str());
  EXPECT_EQ(Hr{loose->put_AccessMode(vdsModeCreate)}, Hr{S_OK});
  EXPECT_EQ(Hr{loose->put_DicFileName(path.Get())}, Hr{S_OK});
  HRESULT opened = loose->Open(vdsOpenProp);
  EXPECT_EQ(Hr{opened}, Hr{S_OK}) << "was " << dictionary.file << " built?";
  if (FAILED(opened)) return nullptr;
  loose->Close();
  loose->put_ThemeID(0);
  return loose;
}

std::string MadeName(ILexiconHub* system, IVelDictionary* dictionary, long langId) {
  com::Ptr<IVelRegMngr> registry;
  com::Bstr name;
  if (FAILED(system->get_MorRegMngr(registry.Put())) ||
      FAILED(registry->MakeDictName(dictionary, langId, name.Put())))
    return "<no name>";
  return com::AnsiFromWide(name.Text());
}

void ShelfTest::SetUp() {
  ASSERT_EQ(GetACP(), 1251u) << "start Wine with LC_ALL=ru_RU.UTF-8";
  WriteDictionaryLists();
  frame_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kFrameClass, L"ShelfView test",
                           WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 100, 100, 420, 400, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(frame_, nullptr);
  ASSERT_EQ(Hr{com::EventSink::Create(DIID__IShelfViewCtrlEvents, &sink_)}, Hr{S_OK});
  sink_->On(kOnSelChange, [this](com::EventArguments&) { ++selChanges_; });
  sink_->On(kOnNeedShowDic, [this](com::EventArguments&) { ++needShowDics_; });
  MakeShelf(380, 360);
}

void ShelfTest::MakeShelf(int width, int height) {
  sink_->Disconnect();
  shelf_.Reset();
  if (host_) DestroyWindow(host_);
  ASSERT_TRUE(
      HostByProgId(frame_, kShelfProgId, {10, 10, 10 + width, 10 + height}, 1, &host_, &shelf_));
  ASSERT_EQ(Hr{sink_->Connect(shelf_.Get())}, Hr{S_OK});
  ResetCounts();
  PumpPending();
}

void ShelfTest::SetUpAsTheHostDoes(ILexiconHub* system) {
  com::Ptr<IFontDisp> font;
  ASSERT_EQ(Hr{com::CreateFontDisp(kShelfFont, &font)}, Hr{S_OK});
  ASSERT_EQ(Hr{shelf_->put_DictSystem(system)}, Hr{S_OK});
  ASSERT_EQ(Hr{shelf_->put_BackColor(back_)}, Hr{S_OK});
  ASSERT_EQ(Hr{shelf_->put_TextColor(text_)}, Hr{S_OK});
  ASSERT_EQ(Hr{shelf_->put_Font(font.Get())}, Hr{S_OK});
  ASSERT_EQ(Hr{shelf_->put_DictCollName(com::Bstr(kCollectionName).Get())}, Hr{S_OK});
  ASSERT_EQ(Hr{shelf_->put_InfoTipTitle(com::Bstr(kInfoTipTitle).Get())}, Hr{S_OK});
  ASSERT_EQ(Hr{shelf_->put_LangID(1033)}, Hr{S_OK});
  PumpPending();
}

void ShelfTest::TearDown() {
  if (sink_) sink_->Disconnect();
  sink_.Reset();
  shelf_.Reset();
  DestroyWindow(frame_);
  host_ = nullptr;
  PumpPending();
  CoFreeUnusedLibraries();
  ExpectNoLiveObjects(kShelfViewDll);
}

HWND ShelfTest::ControlWindow() const { return GetWindow(host_, GW_CHILD); }
HWND ShelfTest::Pager() const { return GetDlgItem(ControlWindow(), 1001); }
HWND ShelfTest::Tree() const { return GetDlgItem(Pager(), 1000); }

int ShelfTest::ItemCount() const {
  return static_cast<int>(SendMessageA(Tree(), TVM_GETCOUNT, 0, 0));
}

int ShelfTest::ImageCount() const {
  auto images =
      reinterpret_cast<HIMAGELIST>(SendMessageA(Tree(), TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
  return images ? ImageList_GetImageCount(images) : -1;
}

HTREEITEM ShelfTest::Root() const {
  return reinterpret_cast<HTREEITEM>(SendMessageA(Tree(), TVM_GETNEXTITEM, TVGN_ROOT, 0));
}

std::vector<HTREEITEM> ShelfTest::Children() const {
  std::vector<HTREEITEM> children;
  HTREEITEM root = Root();
  if (!root) return children;
  auto child = reinterpret_cast<HTREEITEM>(
      SendMessageA(Tree(), TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(root)));
  for (; child; child = reinterpret_cast<HTREEITEM>(SendMessageA(Tree(), TVM_GETNEXTITEM, TVGN_NEXT,
                                                                 reinterpret_cast<LPARAM>(child))))
    children.push_back(child);
  return children;
}

HTREEITEM ShelfTest::Selected() const {
  return reinterpret_cast<HTREEITEM>(SendMessageA(Tree(), TVM_GETNEXTITEM, TVGN_CARET, 0));
}

std::string ShelfTest::TextOf(HTREEITEM item) const {
  char text[256] = {};
  TVITEMA query = {};
  query.mask = TVIF_TEXT;
  query.hItem = item;
  query.pszText = text;
  query.cchTextMax = sizeof text;
  if (!SendMessageA(Tree(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query))) return "<none>";
  return text;
}

RECT ShelfTest::RowOf(HTREEITEM item) const {
  RECT row = {};
  memcpy(&row, &item, sizeof item);
  if (!SendMessageA(Tree(), TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(&row))) return {};
  return row;
}

bool ShelfTest::ActiveObjectIs(IVelDictionary* dictionary) const {
  com::Ptr<IUnknown> active;
  if (FAILED(shelf_->get_ActiveObject(active.Put()))) return false;
  return com::SameObject(active.Get(), dictionary);
}

ScreenPicture::ScreenPicture(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  PumpPending();
  RECT client = {};
  GetClientRect(window, &client);
  width_ = client.right;
  height_ = client.bottom;
  stride_ = (width_ * 3 + 3) / 4 * 4;
  header_.biSize = sizeof header_;
  header_.biWidth = width_;
  header_.biHeight = height_;
  header_.biPlanes = 1;
  header_.biBitCount = 24;
  header_.biSizeImage = static_cast<DWORD>(stride_ * height_);
  bits_.resize(header_.biSizeImage);
  HDC screen = GetDC(window);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP copy = CreateCompatibleBitmap(screen, width_, height_);
  HGDIOBJ previous = SelectObject(memory, copy);
  BitBlt(memory, 0, 0, width_, height_, screen, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  BITMAPINFOHEADER wanted = header_;
  GetDIBits(memory, copy, 0, static_cast<UINT>(height_), bits_.data(),
            reinterpret_cast<BITMAPINFO*>(&wanted), DIB_RGB_COLORS);
  DeleteObject(copy);
  DeleteDC(memory);
  ReleaseDC(window, screen);
}

COLORREF ScreenPicture::At(int x, int y) const {
  const BYTE* pixel = &bits_[static_cast<size_t>((height_ - 1 - y) * stride_ + x * 3)];
  return RGB(pixel[2], pixel[1], pixel[0]);
}

bool ScreenPicture::Save(const std::wstring& path) const {
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header_;
  file.bfSize = file.bfOffBits + header_.biSizeImage;
  FILE* out = _wfopen(path.c_str(), L"wb");
  if (!out) return false;
  bool written = fwrite(&file, sizeof file, 1, out) == 1 &&
                 fwrite(&header_, sizeof header_, 1, out) == 1 &&
                 fwrite(bits_.data(), bits_.size(), 1, out) == 1;
  return fclose(out) == 0 && written;
}
