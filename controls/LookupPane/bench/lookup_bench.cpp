// How long the viewer takes from the end of the typing pause to a painted
// list and article, as a user meets it: the viewer hosted as the program
// hosts it (640 x 420), over a real dictionary through the dictionary
// system. For 100 words spread across the dictionary, each prefix of the
// word is typed into the entry and the pause ended at once (the 800 ms
// themselves left out); then PgDn at the last row and End. Beside it, in
// pieces: the engine's lookup alone (one near find), the engine's page (the
// find and 49 Next), and a bare baseline of the same work in a plain list
// box and rich edit (the same 50 rows and the article text set, painted).
//
//   lookup_bench.exe DICTIONARY [DATA_DIRECTORY]
//
// Prints the median and 95th percentile of each, in milliseconds, and exits
// with 0; with 1 when the viewer or the dictionary cannot be made. It
// reports and never fails on a figure.
#include <ole2.h>
#include <windows.h>
// After windows.h, which it needs.
#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "LexiconHub.h"
#include "LookupPane.h"
#include "com/Automation.h"
#include "com/AxHost.h"
#include "com/ComPtr.h"
#include "com/WideText.h"

namespace com = morvex::com;

namespace {

constexpr wchar_t kFrameClass[] = L"LookupPaneBenchFrame";
constexpr int kWords = 100;
constexpr UINT kTypingTimer = 1105;

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER count;
  QueryPerformanceCounter(&count);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Figures {
  const char* name;
  std::vector<double> ms;
  void Print() {
    if (ms.empty()) return;
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    const double p95 = ms[std::min(ms.size() - 1, ms.size() * 95 / 100)];
    std::printf("%-34s median %8.3f ms   95th %8.3f ms   (%zu runs)\n", name, median, p95,
                ms.size());
  }
};

std::string AnsiOf(const com::Bstr& text) {
  return com::AnsiFromWide(std::wstring_view(text.Text(), text.Length()));
}

// Paints what the work left invalid, in the window and its children.
void PaintNow(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: lookup_bench DICTIONARY [DATA_DIRECTORY]\n");
    return 1;
  }
  OleInitialize(nullptr);
  com::AtlAxWinInit();
  WNDCLASSW frameClass = {};
  frameClass.lpfnWndProc = DefWindowProcW;
  frameClass.hInstance = GetModuleHandleW(nullptr);
  frameClass.lpszClassName = kFrameClass;
  frameClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
  RegisterClassW(&frameClass);

  // The dictionary system and the dictionary.
  com::Ptr<ILexiconHub> system;
  CLSID hubClass = {};
  if (FAILED(CLSIDFromProgID(L"Morvex.LexiconHub", &hubClass)) ||
      FAILED(CoCreateInstance(hubClass, nullptr, CLSCTX_INPROC_SERVER, IID_ILexiconHub,
                              system.PutVoid()))) {
    std::fprintf(stderr, "no dictionary system: is LexiconHub.dll registered?\n");
    return 1;
  }
  if (argc > 2) system->put_PathToData(com::Bstr(com::WideFromAnsi(argv[2]).c_str()).Get());
  system->Init();
  com::Ptr<IVelDictionary> dictionary;
  CLSID dictionaryClass = {};
  CLSIDFromProgID(L"LexiconHub.VelDictionary", &dictionaryClass);
  if (FAILED(CoCreateInstance(dictionaryClass, nullptr, CLSCTX_INPROC_SERVER, IID_IVelDictionary,
                              dictionary.PutVoid()))) {
    std::fprintf(stderr, "no dictionary object\n");
    return 1;
  }
  dictionary->put_AccessMode(vdsModeCreate);
  dictionary->put_DicFileName(com::Bstr(com::WideFromAnsi(argv[1]).c_str()).Get());
  long articles = 0;
  if (FAILED(dictionary->Open(vdsOpenRead)) || FAILED(dictionary->get_NumOfArticles(&articles)) ||
      articles < kWords) {
    std::fprintf(stderr, "cannot open %s\n", argv[1]);
    return 1;
  }

  // 100 words across the dictionary, from its listing.
  std::vector<std::string> words;
  {
    com::Bstr word, article;
    dictionary->Find(vdfFindDictNearNovulg, com::Bstr(L"").Get(), word.Put(), article.Put());
    const long step = articles / kWords;
    for (long i = 0; !word.IsNull() && static_cast<int>(words.size()) < kWords; ++i) {
      if (i % step == 0) words.push_back(AnsiOf(word));
      dictionary->Next(word.Put(), article.Put());
    }
  }

  HWND frame = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kFrameClass, L"LookupPane bench",
                               WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20, 660, 440, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  HWND host = com::AxCreateHostWindow(frame, "LookupPane.VelDictViewCtrl.1", {10, 10, 650, 430}, 1);
  com::Ptr<IUnknown> control;
  com::Ptr<IVelDictViewCtrl> viewer;
  if (!host || FAILED(com::AtlAxGetControl(host, control.Put())) || FAILED(control.As(&viewer))) {
    std::fprintf(stderr, "no viewer: is LookupPane.dll registered?\n");
    return 1;
  }
  viewer->SetDictionary(dictionary.Get());
  Pump();
  HWND window = GetWindow(host, GW_CHILD);
  HWND entry = GetDlgItem(window, 617);
  HWND list = GetDlgItem(window, 616);

  Figures typed{"typed prefix to painted", {}};
  Figures handled{"  of it: the pause handled", {}};
  Figures painted{"  of it: painting", {}};
  Figures lookup{"  engine: one near find", {}};
  Figures page{"  engine: find and 49 Next", {}};
  Figures bare{"bare list box and rich edit", {}};
  Figures paging{"PgDn at row 49 to painted", {}};
  Figures end{"End to painted", {}};

  // What the bare baseline shows: the rows and the article of each prefix.
  struct Shown {
    std::vector<std::string> rows;
    std::string article;
  };
  std::vector<Shown> shown;

  for (const std::string& word : words) {
    for (size_t length = 1; length <= word.size(); ++length) {
      const std::string prefix = word.substr(0, length);
      SetWindowTextA(entry, prefix.c_str());
      double start = Now();
      SendMessageA(window, WM_TIMER, kTypingTimer, 0);
      const double middle = Now();
      PaintNow(window);
      const double done = Now();
      typed.ms.push_back(done - start);
      handled.ms.push_back(middle - start);
      painted.ms.push_back(done - middle);

      com::Bstr found, article;
      start = Now();
      dictionary->Find(vdfFindDictNearNovulg, com::Bstr(com::WideFromAnsi(prefix).c_str()).Get(),
                       found.Put(), article.Put());
      lookup.ms.push_back(Now() - start);
      std::vector<std::string> rows;
      const std::string text = AnsiOf(article);
      start = Now();
      dictionary->Find(vdfFindDictNearNovulg, com::Bstr(com::WideFromAnsi(prefix).c_str()).Get(),
                       found.Put(), article.Put());
      rows.push_back(AnsiOf(found));
      for (int i = 1; i < 50 && !found.IsNull(); ++i) {
        com::Bstr next, nextArticle;
        dictionary->Next(next.Put(), nextArticle.Put());
        if (next.IsNull()) break;
        rows.push_back(AnsiOf(next));
      }
      page.ms.push_back(Now() - start);
      shown.push_back({std::move(rows), text});
      Pump();
    }
    SendMessageA(list, LB_SETCURSEL, 49, 0);
    double start = Now();
    SendMessageA(list, WM_KEYDOWN, VK_NEXT, 0);
    PaintNow(window);
    paging.ms.push_back(Now() - start);
    Pump();
  }
  for (int i = 0; i < 20; ++i) {
    const double start = Now();
    SendMessageA(list, WM_KEYDOWN, VK_END, 0);
    PaintNow(window);
    end.ms.push_back(Now() - start);
    Pump();
  }

  // The bare baseline, in a frame of its own at the viewer's place and
  // size, the viewer's frame hidden meanwhile.
  ShowWindow(frame, SW_HIDE);
  HWND bareFrame = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kFrameClass, L"bare",
                                   WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20, 660, 440,
                                   nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  HWND bareList = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 13, 49, 314,
                                  340, bareFrame, nullptr, nullptr, nullptr);
  HWND bareView =
      CreateWindowExA(0, "RichEdit20A", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE, 331,
                      49, 314, 340, bareFrame, nullptr, nullptr, nullptr);
  Pump();
  for (const Shown& one : shown) {
    const double start = Now();
    SendMessageA(bareList, WM_SETREDRAW, FALSE, 0);
    SendMessageA(bareList, LB_RESETCONTENT, 0, 0);
    for (const std::string& row : one.rows)
      SendMessageA(bareList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
    SendMessageA(bareList, WM_SETREDRAW, TRUE, 0);
    SendMessageA(bareList, LB_SETCURSEL, 0, 0);
    SetWindowTextA(bareView, one.article.c_str());
    PaintNow(bareFrame);
    bare.ms.push_back(Now() - start);
    Pump();
  }
  DestroyWindow(bareFrame);

  std::printf("LookupPane under Wine, %ld articles, %zu words, %zu prefixes\n", articles,
              words.size(), typed.ms.size());
  for (Figures* figures : {&typed, &handled, &painted, &lookup, &page, &bare, &paging, &end})
    figures->Print();
  DestroyWindow(frame);
  viewer.Reset();
  control.Reset();
  dictionary->Close();
  dictionary.Reset();
  system.Reset();
  OleUninitialize();
  return 0;
}
