// The benchmark driver: runs the tool and the reference program side by side
// under Wine and prints what each costs, with the ratio and the goal.
//
//   velmaro-bench PROGRAM.exe REFERENCE.exe [--pairs N] [--idle-seconds S] [--idle-rounds R]
//                 [--clicks N] [--opens N] [--out FILE] [--only launch,idle,generate,size,stress]
//
// Everything is measured from outside, as a user's machine would see it:
// windows are found by title and owner, buttons by their captions, and CPU
// and memory are read from the Linux side where Wine's own answers are empty.
#include <windows.h>
#include <psapi.h>
#include <winternl.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const wchar_t kMainTitle[] = L"Velmaro彩色聊天字体生成";
const wchar_t kExamplesTitle[] = L"彩色字体示例";
constexpr int kVisibleControls = 21;
constexpr DWORD kWindowTimeoutMs = 15000;

FILE* outFile;

void Print(const char* format, ...) {
    char line[1024];
    va_list args;
    va_start(args, format);
    vsnprintf(line, sizeof line, format, args);
    va_end(args);
    fputs(line, stdout);
    fflush(stdout);
    if (outFile) {
        fputs(line, outFile);
        fflush(outFile);
    }
}

std::string Narrow(const std::wstring& w) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string s(n > 0 ? n - 1 : 0, '\0');
    if (n > 1) WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, s.data(), n, nullptr, nullptr);
    return s;
}

double Now() {
    static const double period = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return 1000.0 / double(f.QuadPart);
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) * period;
}

// --- figures -----------------------------------------------------------------

struct Stats {
    std::vector<double> v;
    void Add(double x) { v.push_back(x); }
    double At(double q) const {  // linear interpolation between order statistics
        if (v.empty()) return 0;
        std::vector<double> s = v;
        std::sort(s.begin(), s.end());
        const double pos = q * double(s.size() - 1);
        const std::size_t i = std::size_t(pos);
        return i + 1 < s.size() ? s[i] + (pos - double(i)) * (s[i + 1] - s[i]) : s[i];
    }
    double Median() const { return At(0.5); }
};

struct Goal {
    bool met;
    const char* Word() const { return met ? "met" : "MISSED"; }
};

int missed;

void Row(const char* what, const char* program, const char* reference, const char* ratio,
         const char* goal, const Goal* result) {
    if (result && !result->met) ++missed;
    Print("%-38s %14s %14s %7s  %-30s %s\n", what, program, reference, ratio, goal,
          result ? result->Word() : "");
}

std::string Fmt(const char* format, double x) {
    char s[64];
    snprintf(s, sizeof s, format, x);
    return s;
}

std::string Ratio(double program, double reference) {
    return reference > 0 ? Fmt("%.2f", program / reference) : "n/a";
}

void PrintSpread(const Stats (&s)[2]) {
    Print("  min/q1/q3/max: program %.1f/%.1f/%.1f/%.1f, reference %.1f/%.1f/%.1f/%.1f\n", s[0].At(0),
          s[0].At(0.25), s[0].At(0.75), s[0].At(1), s[1].At(0), s[1].At(0.25), s[1].At(0.75), s[1].At(1));
}

// --- the Linux side, through Wine's Z: drive -------------------------------------

std::string ReadLinuxFile(const std::wstring& path) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return {};
    std::string data;
    char buf[4096];
    DWORD got;
    // /proc files report no size: read until the end.
    while (ReadFile(h, buf, sizeof buf, &got, nullptr) && got > 0) data.append(buf, got);
    CloseHandle(h);
    return data;
}

std::vector<std::wstring> ListLinuxDir(const std::wstring& dir) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        if (fd.cFileName[0] >= L'0' && fd.cFileName[0] <= L'9') names.push_back(fd.cFileName);
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    return names;
}

std::wstring ProcDir(long pid) { return L"Z:\\proc\\" + std::to_wstring(pid); }

// Wine's Windows process ids are not Linux ids. Each launch carries a unique
// token on its command line, which Wine shows as the Linux process's cmdline.
long FindLinuxPid(const std::string& token) {
    for (const std::wstring& name : ListLinuxDir(L"Z:\\proc")) {
        const std::string cmdline = ReadLinuxFile(ProcDir(_wtol(name.c_str())) + L"\\cmdline");
        if (cmdline.find(token) != std::string::npos) return _wtol(name.c_str());
    }
    return -1;
}

// Nanoseconds on a CPU from a stat line: utime + stime, in clock ticks of 10 ms.
double StatCpuNs(const std::string& stat) {
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos) return 0;
    // Fields after the command name start with field 3 (state); utime is 14, stime 15.
    const char* p = stat.c_str() + close + 2;
    for (int field = 3; field < 14 && *p; ++field) {
        p = strchr(p, ' ');
        if (!p) return 0;
        ++p;
    }
    char* end;
    const double utime = strtod(p, &end);
    const double stime = strtod(end, nullptr);
    return (utime + stime) * 1e7;
}

// CPU time of all threads of a Linux process, in ms. schedstat counts in
// nanoseconds, where stat only counts 10 ms ticks; an idle window costs a few
// tens of ms per 10 s, so ticks would be too coarse.
double LinuxCpuMs(long pid) {
    const std::wstring tasks = ProcDir(pid) + L"\\task";
    double ns = 0;
    for (const std::wstring& tid : ListLinuxDir(tasks)) {
        const std::string sched = ReadLinuxFile(tasks + L"\\" + tid + L"\\schedstat");
        ns += sched.empty() ? StatCpuNs(ReadLinuxFile(tasks + L"\\" + tid + L"\\stat"))
                            : strtod(sched.c_str(), nullptr);
    }
    return ns / 1e6;
}

// Wine opens files in the wineserver, so "self" in /proc names the wineserver
// of this session: the process that does the server side of every timer tick
// and window placement.
long WineserverPid() {
    const std::string stat = ReadLinuxFile(L"Z:\\proc\\self\\stat");
    return stat.find("(wineserver") != std::string::npos ? atol(stat.c_str()) : -1;
}

long ProcStatusKiB(long pid, const char* key) {
    const std::string status = ReadLinuxFile(ProcDir(pid) + L"\\status");
    const std::size_t at = status.find(key);
    return at == std::string::npos ? -1 : atol(status.c_str() + at + strlen(key));
}

// --- the Windows side ----------------------------------------------------------------

// GetProcessHandleCount answers 0 under Wine; the system handle table does not.
struct HandleEntry {
    ULONG ownerPid;
    BYTE objectType, flags;
    USHORT value;
    PVOID object;
    ULONG access;
};
struct HandleTable {
    ULONG count;
    HandleEntry handles[1];
};

long HandleCount(DWORD pid) {
    using Query = NTSTATUS(NTAPI*)(ULONG, PVOID, ULONG, PULONG);
    static const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    constexpr ULONG kSystemHandleInformation = 16;
    constexpr NTSTATUS kLengthMismatch = NTSTATUS(0xC0000004L);
    std::vector<BYTE> buf(1 << 16);
    for (;;) {
        ULONG need = 0;
        const NTSTATUS s = query(kSystemHandleInformation, buf.data(), ULONG(buf.size()), &need);
        if (s == kLengthMismatch) {
            buf.resize(std::max<std::size_t>(buf.size() * 2, need));
            continue;
        }
        if (s != 0) return -1;
        break;
    }
    const auto* table = reinterpret_cast<const HandleTable*>(buf.data());
    long n = 0;
    for (ULONG i = 0; i < table->count; ++i)
        if (table->handles[i].ownerPid == pid) ++n;
    return n;
}

// GDI objects: GetGuiResources is a stub under Wine 8 that answers 0, but
// Wine keeps each process's GDI handle table where Windows keeps one, behind
// the PEB's GdiSharedHandleTable; a used entry has a non-zero type.
struct GdiEntry {
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type, flags;
    UINT64 user;
};
constexpr std::size_t kGdiHandles = 0x10000;
constexpr std::size_t kPebGdiTable = 0xF8;  // x64 PEB

long GdiObjects(HANDLE process) {
    const DWORD answer = GetGuiResources(process, GR_GDIOBJECTS);
    if (answer != 0) return long(answer);
    PROCESS_BASIC_INFORMATION pbi = {};
    ULONG len;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &pbi, sizeof pbi, &len) != 0) return -1;
    UINT64 table = 0;
    SIZE_T got;
    if (!ReadProcessMemory(process, reinterpret_cast<BYTE*>(pbi.PebBaseAddress) + kPebGdiTable, &table,
                           sizeof table, &got) || table == 0)
        return -1;
    // Entries are taken from the bottom up. Read a page's worth at a time and
    // stop after the first stretch never used: reading the whole table would
    // make the kernel back all of it, and the process would seem to grow by
    // 1.5 MiB.
    constexpr std::size_t kPerRead = 4096 / sizeof(GdiEntry);
    GdiEntry chunk[kPerRead];
    long n = 0;
    for (std::size_t first = 0; first < kGdiHandles; first += kPerRead) {
        const std::size_t count = std::min(kPerRead, kGdiHandles - first);
        if (!ReadProcessMemory(process, reinterpret_cast<void*>(table + first * sizeof(GdiEntry)), chunk,
                               count * sizeof(GdiEntry), &got))
            return -1;
        bool everUsed = false;
        for (std::size_t i = 0; i < count; ++i) {
            n += chunk[i].type != 0;
            everUsed = everUsed || chunk[i].type != 0 || chunk[i].unique != 0 || chunk[i].object != 0;
        }
        if (!everUsed) break;
    }
    return n;
}

struct WindowCount {
    DWORD pid;
    long n;
};

BOOL CALLBACK CountChild(HWND, LPARAM p) {
    ++reinterpret_cast<WindowCount*>(p)->n;
    return TRUE;
}

BOOL CALLBACK CountTop(HWND h, LPARAM p) {
    auto* c = reinterpret_cast<WindowCount*>(p);
    DWORD pid;
    GetWindowThreadProcessId(h, &pid);
    if (pid == c->pid) {
        ++c->n;
        EnumChildWindows(h, CountChild, p);
    }
    return TRUE;
}

// Windows are the USER objects that can be counted from outside under Wine.
long WindowsOf(DWORD pid) {
    WindowCount c = {pid, 0};
    EnumWindows(CountTop, reinterpret_cast<LPARAM>(&c));
    return c.n;
}

HWND FindWindowOf(const wchar_t* title, DWORD pid) {
    HWND h = nullptr;
    while ((h = FindWindowExW(nullptr, h, nullptr, title)) != nullptr) {
        DWORD owner;
        GetWindowThreadProcessId(h, &owner);
        if (owner == pid) return h;
    }
    return nullptr;
}

struct Child {
    HWND hwnd;
    RECT rect;  // in the parent's client coordinates
    bool edit;
    std::wstring text;
};

BOOL CALLBACK CollectChild(HWND h, LPARAM p) {
    if (!IsWindowVisible(h)) return TRUE;
    auto* list = reinterpret_cast<std::vector<Child>*>(p);
    Child c = {h, {}, false, {}};
    GetWindowRect(h, &c.rect);
    MapWindowPoints(nullptr, GetParent(h), reinterpret_cast<POINT*>(&c.rect), 2);
    wchar_t cls[64] = {};
    GetClassNameW(h, cls, 64);
    CharLowerW(cls);
    c.edit = wcsstr(cls, L"edit") != nullptr;
    wchar_t text[64] = {};
    GetWindowTextW(h, text, 64);
    c.text = text;
    list->push_back(c);
    return TRUE;
}

std::vector<Child> VisibleChildren(HWND parent) {
    std::vector<Child> list;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&list));
    return list;
}

HWND ChildByText(HWND parent, const wchar_t* text) {
    for (const Child& c : VisibleChildren(parent))
        if (c.text == text) return c.hwnd;
    return nullptr;
}

// The four edit boxes from top to bottom: before, coloured, after, output.
std::vector<HWND> EditBoxes(HWND parent) {
    std::vector<Child> edits;
    for (const Child& c : VisibleChildren(parent))
        if (c.edit) edits.push_back(c);
    std::sort(edits.begin(), edits.end(), [](const Child& a, const Child& b) { return a.rect.top < b.rect.top; });
    std::vector<HWND> out;
    for (const Child& c : edits) out.push_back(c.hwnd);
    return out;
}

// --- painted? -------------------------------------------------------------------------

struct Capture {
    int width = 0, height = 0;
    std::vector<DWORD> pixels;  // 0x00RRGGBB, top-down
    DWORD At(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) return 0;
        return pixels[std::size_t(y) * width + x];
    }
};

// What is on the screen in the window's client area: what the user sees, not
// what the window would draw if asked.
bool CaptureClient(HWND window, Capture& cap) {
    RECT rc;
    GetClientRect(window, &rc);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    cap.width = rc.right;
    cap.height = rc.bottom;
    if (cap.width <= 0 || cap.height <= 0) return false;
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), cap.width, -cap.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = false;
    if (bmp) {
        HGDIOBJ old = SelectObject(mem, bmp);
        ok = BitBlt(mem, 0, 0, cap.width, cap.height, screen, origin.x, origin.y, SRCCOPY) != FALSE;
        GdiFlush();
        const auto* p = static_cast<const DWORD*>(bits);
        cap.pixels.assign(p, p + std::size_t(cap.width) * cap.height);
        SelectObject(mem, old);
        DeleteObject(bmp);
    }
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return ok;
}

int Channel(DWORD c, int shift) { return int((c >> shift) & 0xFF); }

int Distance(DWORD a, DWORD b) {
    int d = 0;
    for (int shift : {0, 8, 16}) d = std::max(d, std::abs(Channel(a, shift) - Channel(b, shift)));
    return d;
}

DWORD ToPixel(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

// Painted: the window's background shows the face colour, every edit box is
// white inside, and every other control shows both ink (text, frame or mark)
// and light pixels, which neither an unpainted black nor a blank area does.
bool LooksPainted(HWND window, const std::vector<Child>& children) {
    Capture cap;
    if (!CaptureClient(window, cap)) return false;
    const DWORD face = ToPixel(GetSysColor(COLOR_BTNFACE));
    const DWORD white = ToPixel(GetSysColor(COLOR_WINDOW));
    if (Distance(cap.At(4, cap.height - 4), face) > 8) return false;
    for (const Child& c : children) {
        const RECT& r = c.rect;
        if (c.edit) {
            if (Distance(cap.At(r.left + (r.right - r.left) * 3 / 4, (r.top + r.bottom) / 2), white) > 8)
                return false;
            continue;
        }
        bool ink = false, light = false;
        for (int y = std::max(0L, r.top); y < std::min<long>(r.bottom, cap.height) && !(ink && light); ++y)
            for (int x = std::max(0L, r.left); x < std::min<long>(r.right, cap.width); ++x) {
                const DWORD p = cap.At(x, y);
                ink = ink || Distance(p, face) >= 64;
                light = light || (Channel(p, 0) >= 200 && Channel(p, 8) >= 200 && Channel(p, 16) >= 200);
            }
        if (!ink || !light) return false;
    }
    return true;
}

// --- one run of a program ----------------------------------------------------------------

struct Run {
    PROCESS_INFORMATION pi = {};
    HWND main = nullptr;
    std::string token;
    long linuxPid = -1;
    double visibleMs = -1;  // from CreateProcess to visible with every control painted
};

int launchCount;

bool Launch(const std::wstring& exe, Run& run) {
    char token[64];
    snprintf(token, sizeof token, "velmaro-bench:%lu:%d;", GetCurrentProcessId(), ++launchCount);
    run.token = token;
    // The tool ignores its arguments; the token only names the Linux process.
    std::wstring cmd = L"\"" + exe + L"\" " + std::wstring(run.token.begin(), run.token.end());
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    const double start = Now();
    if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &run.pi)) {
        Print("error: cannot start %s (error %lu)\n", Narrow(exe).c_str(), GetLastError());
        return false;
    }
    // The screen is read some time before each capture returns, so the paint
    // fell between the previous capture and this one: take the middle.
    double previousCapture = -1;
    while (Now() - start < kWindowTimeoutMs) {
        if (!run.main) run.main = FindWindowOf(kMainTitle, run.pi.dwProcessId);
        if (run.main && IsWindowVisible(run.main)) {
            const std::vector<Child> children = VisibleChildren(run.main);
            if (int(children.size()) == kVisibleControls) {
                const double seen = Now();
                const bool painted = LooksPainted(run.main, children);
                const double captured = Now();
                if (painted) {
                    run.visibleMs = (previousCapture < 0 ? (seen + captured) / 2
                                                        : (previousCapture + captured) / 2) - start;
                    return true;
                }
                previousCapture = captured;
            }
        }
        if (WaitForSingleObject(run.pi.hProcess, 1) == WAIT_OBJECT_0) break;
    }
    Print("error: %s showed no painted main window with %d controls\n", Narrow(exe).c_str(), kVisibleControls);
    return false;
}

void Close(Run& run) {
    if (!run.pi.hProcess) return;
    if (run.main) PostMessageW(run.main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(run.pi.hProcess, 5000) != WAIT_OBJECT_0) {
        Print("warning: process did not end after WM_CLOSE; terminated\n");
        TerminateProcess(run.pi.hProcess, 1);
        WaitForSingleObject(run.pi.hProcess, 5000);
    }
    CloseHandle(run.pi.hProcess);
    CloseHandle(run.pi.hThread);
    run = Run{};
    Sleep(100);  // let the wineserver and the X server settle before the next start
}

bool ResolveLinuxPid(Run& run) {
    for (int i = 0; i < 50 && run.linuxPid < 0; ++i) {
        run.linuxPid = FindLinuxPid(run.token);
        if (run.linuxPid < 0) Sleep(20);
    }
    if (run.linuxPid < 0) Print("error: no Linux process carries %s\n", run.token.c_str());
    return run.linuxPid >= 0;
}

struct Memory {
    double pagefileKiB = -1, privateKiB = -1;
    long rssAnonKiB = -1, handles = -1, windows = -1, gdi = -1;
};

Memory MemoryOf(const Run& run) {
    Memory m;
    PROCESS_MEMORY_COUNTERS_EX pmc = {};
    pmc.cb = sizeof pmc;
    if (GetProcessMemoryInfo(run.pi.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&pmc), sizeof pmc)) {
        m.pagefileKiB = double(pmc.PagefileUsage) / 1024;
        m.privateKiB = double(pmc.PrivateUsage) / 1024;
    }
    if (run.linuxPid >= 0) m.rssAnonKiB = ProcStatusKiB(run.linuxPid, "RssAnon:");
    m.handles = HandleCount(run.pi.dwProcessId);
    m.windows = WindowsOf(run.pi.dwProcessId);
    m.gdi = GdiObjects(run.pi.hProcess);
    return m;
}

// GetWindowTextLength answers 0 for an edit box of another process under Wine:
// it reads the window's caption, which the edit control does not keep.
std::size_t TextLength(HWND edit) { return std::size_t(SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0)); }

bool Click(HWND button, DWORD timeoutMs = 60000) {
    DWORD_PTR result;
    return SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

// --- the measures --------------------------------------------------------------------------

struct Programs {
    std::wstring program, reference;
};

void MeasureLaunch(const Programs& p, int pairs) {
    Stats times[2];
    int failures = 0;
    // The first pair warms the file cache and the wineserver and is not counted.
    for (int i = -1; i < pairs; ++i)
        for (int which = 0; which < 2; ++which) {
            Run run;
            const bool ok = Launch(which == 0 ? p.program : p.reference, run);
            if (ok && i >= 0) times[which].Add(run.visibleMs);
            if (!ok) ++failures;
            Close(run);
        }
    const double prog = times[0].Median(), ref = times[1].Median();
    const Goal goal = {times[0].v.size() > 0 && times[1].v.size() > 0 && prog <= 1.10 * ref};
    Row("Launch to visible and painted, ms", Fmt("%.1f", prog).c_str(), Fmt("%.1f", ref).c_str(),
        Ratio(prog, ref).c_str(), "<= 1.10 x reference", &goal);
    PrintSpread(times);
    Print("  (from CreateProcess until the window is visible with its %d controls painted on the screen;\n"
          "   %d alternating pairs, medians%s)\n", kVisibleControls, pairs,
          failures ? Fmt(", %.0f launches failed", failures).c_str() : "");
}

struct Idle {
    double cpuMs = -1, serverMs = -1;
    Memory memory;
};

Idle MeasureIdleOnce(const std::wstring& exe, int seconds) {
    Idle idle;
    Run run;
    if (Launch(exe, run) && ResolveLinuxPid(run)) {
        Sleep(1000);  // past start-up, with both timers ticking
        idle.memory = MemoryOf(run);
        const long server = WineserverPid();
        const double cpu0 = LinuxCpuMs(run.linuxPid), server0 = server > 0 ? LinuxCpuMs(server) : 0;
        Sleep(DWORD(seconds) * 1000);
        idle.cpuMs = (LinuxCpuMs(run.linuxPid) - cpu0) * 10.0 / seconds;
        if (server > 0) idle.serverMs = (LinuxCpuMs(server) - server0) * 10.0 / seconds;
    }
    Close(run);
    return idle;
}

struct IdleResult {
    Stats cpu[2], server[2];
    Memory memory[2];  // after start, from the first round
};

IdleResult MeasureIdle(const Programs& p, int seconds, int rounds) {
    IdleResult r;
    // Rounds in the order program, reference, reference, program, ...: a run
    // that comes second costs a little differently, whichever program it is.
    for (int round = 0; round < rounds; ++round)
        for (int k = 0; k < 2; ++k) {
            const int which = k ^ (round & 1);
            const Idle idle = MeasureIdleOnce(which == 0 ? p.program : p.reference, seconds);
            if (idle.cpuMs >= 0) r.cpu[which].Add(idle.cpuMs);
            if (idle.serverMs >= 0) r.server[which].Add(idle.serverMs);
            if (round == 0) r.memory[which] = idle.memory;
        }
    const double prog = r.cpu[0].Median(), ref = r.cpu[1].Median();
    const Goal goal = {r.cpu[0].v.size() > 0 && r.cpu[1].v.size() > 0 && prog <= 1.10 * ref};
    Row("Idle CPU, ms per 10 s (process)", Fmt("%.1f", prog).c_str(), Fmt("%.1f", ref).c_str(),
        Ratio(prog, ref).c_str(), "<= 1.10 x reference", &goal);
    PrintSpread(r.cpu);
    if (!r.server[0].v.empty()) {
        const double sp = r.server[0].Median(), sr = r.server[1].Median();
        Row("  wineserver CPU meanwhile, ms/10 s", Fmt("%.1f", sp).c_str(), Fmt("%.1f", sr).c_str(),
            Ratio(sp, sr).c_str(), "(for information)", nullptr);
    }
    Print("  (%d rounds of %d s each after 1 s of settling; all threads of the Linux process,\n"
          "   from /proc/PID/task/*/schedstat, as GetProcessTimes under Wine reports the caller's own)\n",
          rounds, seconds);
    return r;
}

void ReportStartMemory(const IdleResult& idle) {
    const Memory& mp = idle.memory[0];
    const Memory& mr = idle.memory[1];
    const double diff = mp.pagefileKiB - mr.pagefileKiB;
    const Goal goal = {mp.pagefileKiB >= 0 && mr.pagefileKiB >= 0 && diff <= 2048};
    Row("Private bytes after start, KiB", Fmt("%.0f", mp.pagefileKiB).c_str(), Fmt("%.0f", mr.pagefileKiB).c_str(),
        Fmt("%+.0f", diff).c_str(), "<= reference + 2048 KiB", &goal);
    Row("  RssAnon from /proc, KiB", Fmt("%.0f", double(mp.rssAnonKiB)).c_str(),
        Fmt("%.0f", double(mr.rssAnonKiB)).c_str(), "", "", nullptr);
    Row("  handles after start", Fmt("%.0f", double(mp.handles)).c_str(), Fmt("%.0f", double(mr.handles)).c_str(),
        "", "", nullptr);
    Row("  windows after start", Fmt("%.0f", double(mp.windows)).c_str(), Fmt("%.0f", double(mr.windows)).c_str(),
        "", "", nullptr);
    Row("  GDI objects after start", Fmt("%.0f", double(mp.gdi)).c_str(), Fmt("%.0f", double(mr.gdi)).c_str(), "",
        "", nullptr);
    Print("  (private bytes = PagefileUsage of GetProcessMemoryInfo, which Wine 8 fills with the Linux\n"
          "   anonymous resident memory; its PrivateUsage reads %.0f and GetProcessHandleCount 0, so handles\n"
          "   come from the system handle table)\n",
          mp.privateKiB);
}

// Generate and copy, then open and close the examples window, many times;
// whatever a click or an open leaks shows as growth between the samples.
void MeasureStress(const Programs& p, int clicks, int opens) {
    Run run;
    if (!Launch(p.program, run) || !ResolveLinuxPid(run)) {
        Print("error: stress: the program could not be started\n");
        ++missed;
        Close(run);
        return;
    }
    HWND generate = ChildByText(run.main, L"生成");
    HWND copy = ChildByText(run.main, L"复制");
    HWND examples = ChildByText(run.main, L"示例");
    const std::vector<HWND> edits = EditBoxes(run.main);
    if (!generate || !copy || !examples || edits.size() != 4) {
        Print("error: stress: the buttons 生成, 复制, 示例 or the four edit boxes were not found\n");
        ++missed;
        Close(run);
        return;
    }
    SendMessageW(edits[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"我这里有"));
    SendMessageW(edits[1], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"老婆"));
    SendMessageW(edits[2], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"！"));

    int failures = 0;
    double openMs = 0;
    auto clickBoth = [&](int n) {
        for (int i = 0; i < n; ++i) failures += !Click(generate) + !Click(copy);
    };
    auto openAndClose = [&](int n) {
        for (int i = 0; i < n; ++i) {
            const double t0 = Now();
            HWND w = nullptr;
            if (Click(examples)) w = FindWindowOf(kExamplesTitle, run.pi.dwProcessId);
            if (!w) {
                ++failures;
                continue;
            }
            // Paint it as the screen would, so that drawing is part of every open.
            RedrawWindow(w, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            PostMessageW(w, WM_CLOSE, 0, 0);
            const double t1 = Now();
            while (IsWindow(w) && Now() - t1 < 5000) Sleep(1);
            if (IsWindow(w)) ++failures;
            openMs += Now() - t0;
        }
    };

    Sleep(1000);
    const Memory start = MemoryOf(run);
    // One-time costs (first clipboard use, first picture decode) are not leaks.
    clickBoth(10);
    openAndClose(5);
    Sleep(500);
    const Memory warm = MemoryOf(run);
    const double t0 = Now();
    clickBoth(clicks);
    const double clickMs = Now() - t0;
    openMs = 0;
    openAndClose(opens);
    Sleep(1000);
    const Memory after = MemoryOf(run);
    Close(run);

    Print("\nStress of the program: %d x (生成 + 复制) in %.1f s, %d opens and closes of 彩色字体示例 in %.1f s%s\n",
          clicks, clickMs / 1000, opens, openMs / 1000, failures ? Fmt(", %.0f FAILED steps", failures).c_str() : "");
    Print("%-30s %12s %14s %13s %8s  %-18s %s\n", "", "after start", "after warm-up", "after stress", "growth",
          "goal", "result");
    auto line = [&](const char* what, double s0, double s1, double s2, double allowed, const char* goalText) {
        const bool measurable = s0 >= 0 && s1 >= 0 && s2 >= 0;
        const Goal goal = {failures == 0 && measurable && s2 - s1 <= allowed};
        if (goalText && !goal.met) ++missed;
        Print("%-30s %12.0f %14.0f %13.0f %+8.0f  %-18s %s\n", what, s0, s1, s2, s2 - s1, goalText ? goalText : "",
              goalText ? goal.Word() : "");
    };
    // Wine's heap takes pages from the system a few at a time, whatever the
    // program does; a leak of one small block per step shows as far more.
    line("Private bytes, KiB", start.pagefileKiB, warm.pagefileKiB, after.pagefileKiB, 64, "<= 64 KiB");
    line("  RssAnon from /proc, KiB", double(start.rssAnonKiB), double(warm.rssAnonKiB), double(after.rssAnonKiB), 0,
         nullptr);
    line("Handles", double(start.handles), double(warm.handles), double(after.handles), 0, "none");
    line("GDI objects", double(start.gdi), double(warm.gdi), double(after.gdi), 0, "none");
    line("Windows", double(start.windows), double(warm.windows), double(after.windows), 0, "none");
    Print("  (growth from after warm-up to after stress: the warm-up of 10 clicks each and 5 opens takes the\n"
          "   one-time costs, such as the first clipboard use; GDI objects are counted in Wine's GDI handle\n"
          "   table of the process, as GetGuiResources is a stub that answers 0 under Wine)\n");
}

std::wstring Repeat(const std::wstring& unit, std::size_t length) {
    std::wstring s;
    while (s.size() < length) s += unit;
    s.resize(length);
    return s;
}

bool MeasureGenerateOnce(const std::wstring& exe, int clicks, Stats& times) {
    Run run;
    if (!Launch(exe, run)) {
        Close(run);
        return false;
    }
    HWND generate = ChildByText(run.main, L"生成");
    const std::vector<HWND> edits = EditBoxes(run.main);
    bool ok = generate && edits.size() == 4;
    constexpr std::size_t kLength = 30000;
    const std::wstring inputs[3] = {Repeat(L"我这里有彩色的字abc", kLength), Repeat(L"老婆<>xyz", kLength),
                                    Repeat(L"！物资色 123", kLength)};
    for (int i = 0; ok && i < 3; ++i)
        ok = SendMessageW(edits[i], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(inputs[i].c_str())) != 0 &&
             TextLength(edits[i]) == kLength;
    ok = ok && Click(generate);  // not timed: the first output allocation
    // "<red>" + 3 x 30,000 + "</red>": the click really composed the line.
    ok = ok && TextLength(edits[3]) == 3 * kLength + 11;
    for (int i = 0; ok && i < clicks; ++i) {
        // Let the output box finish painting the last line, so that no paint
        // of the previous click falls into this one's time.
        RedrawWindow(edits[3], nullptr, nullptr, RDW_UPDATENOW);
        Sleep(20);
        const double t0 = Now();
        ok = Click(generate);
        times.Add(Now() - t0);
    }
    if (!ok) Print("error: generate with long inputs failed for %s\n", Narrow(exe).c_str());
    Close(run);
    return ok;
}

void MeasureGenerate(const Programs& p, int clicks) {
    Stats times[2];
    bool ok = true;
    // Four runs each, in the order program, reference, reference, program, ...:
    // a run's speed depends on the run as well as on the machine's load at the
    // time, and both should hit the two programs alike.
    constexpr int kRuns = 4;
    for (int run = 0; run < kRuns; ++run)
        for (int k = 0; k < 2; ++k) {
            const int which = k ^ (run & 1);
            ok = MeasureGenerateOnce(which == 0 ? p.program : p.reference, clicks / kRuns, times[which]) && ok;
        }
    const double prog = times[0].Median(), ref = times[1].Median();
    const Goal goal = {ok && prog <= 1.10 * ref};
    Row("Generate, 3 x 30,000 chars, ms", Fmt("%.2f", prog).c_str(), Fmt("%.2f", ref).c_str(),
        Ratio(prog, ref).c_str(), "<= 1.10 x reference", &goal);
    PrintSpread(times);
    Print("  (median of %d clicks each, over 4 runs; SendMessage(BM_CLICK) on 生成 returns when the handler\n"
          "   is done)\n",
          int(times[0].v.size()));
}

double FileKiB(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA a;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &a)) return -1;
    return (double(a.nFileSizeHigh) * 4294967296.0 + a.nFileSizeLow) / 1024;
}

void ReportSizes(const Programs& p) {
    const double prog = FileKiB(p.program), ref = FileKiB(p.reference);
    const Goal goal = {prog >= 0 && prog < 1024};
    Row(".exe size, KiB", Fmt("%.0f", prog).c_str(), Fmt("%.0f", ref).c_str(), Ratio(prog, ref).c_str(),
        "< 1 MiB", &goal);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    Programs p;
    std::wstring only;  // comma-separated measures; all when empty
    int pairs = 21, idleSeconds = 10, idleRounds = 4, clicks = 1000, opens = 200, generateClicks = 20;
    for (int i = 1; i < argc; ++i) {
        const std::wstring a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == L"--pairs" && hasValue) pairs = _wtoi(argv[++i]);
        else if (a == L"--idle-seconds" && hasValue) idleSeconds = _wtoi(argv[++i]);
        else if (a == L"--idle-rounds" && hasValue) idleRounds = _wtoi(argv[++i]);
        else if (a == L"--clicks" && hasValue) clicks = _wtoi(argv[++i]);
        else if (a == L"--opens" && hasValue) opens = _wtoi(argv[++i]);
        else if (a == L"--out" && hasValue) outFile = _wfopen(argv[++i], L"wb");
        else if (a == L"--only" && hasValue) only = argv[++i];
        else if (p.program.empty()) p.program = a;
        else if (p.reference.empty()) p.reference = a;
    }
    if (p.program.empty() || p.reference.empty() || pairs < 1 || idleSeconds < 1 || idleRounds < 1) {
        fprintf(stderr,
                "usage: velmaro-bench PROGRAM.exe REFERENCE.exe [--pairs N] [--idle-seconds S]\n"
                "                     [--idle-rounds R] [--clicks N] [--opens N] [--out FILE]\n"
                "                     [--only launch,idle,generate,size,stress]\n");
        return 2;
    }
    // UTF-8 and Linux line ends, for the terminal and the file that Wine runs under.
    SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdout), _O_BINARY);

    Print("Velmaro chat benchmark under Wine: the program against a minimal reference with the same window\n");
    Print("program:   %s\nreference: %s\n\n", Narrow(p.program).c_str(), Narrow(p.reference).c_str());
    Print("%-38s %14s %14s %7s  %-30s %s\n", "Measure", "program", "reference", "ratio", "goal", "result");
    auto wanted = [&](const wchar_t* name) { return only.empty() || only.find(name) != std::wstring::npos; };
    if (wanted(L"launch")) MeasureLaunch(p, pairs);
    if (wanted(L"idle")) ReportStartMemory(MeasureIdle(p, idleSeconds, idleRounds));
    if (wanted(L"generate")) MeasureGenerate(p, generateClicks);
    if (wanted(L"size")) ReportSizes(p);
    if (wanted(L"stress")) MeasureStress(p, clicks, opens);
    Print("\n%s\n", missed == 0 ? "All goals met." : Fmt("%.0f goal(s) MISSED.", missed).c_str());
    if (outFile) fclose(outFile);
    return missed == 0 ? 0 : 1;
}
