// Start-to-ready and peak memory of isam-netcheck.exe against the floor program, run side by side
// (interleaved) in the same prefix and directory. Prints one line per figure.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Search {
  DWORD pid;
  const char* caption;
  HWND found;
};

BOOL CALLBACK Find(HWND window, LPARAM param) {
  auto* s = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  char caption[64] = {};
  GetWindowTextA(window, caption, sizeof caption);
  if (pid == s->pid && IsWindowVisible(window) && std::string(caption) == s->caption) {
    s->found = window;
    return FALSE;
  }
  return TRUE;
}

struct Run {
  double seconds = -1;
  double peakKiB = -1;
};

// Starts `exe`, waits until its window `caption` is up with a text other than blanks in control
// `readyField` (0: none needed) and has handled everything sent to it, then closes it.
Run Measure(const std::string& exe, const char* caption, int readyField) {
  Run run;
  std::string commandLine = "\"" + exe + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  const auto start = Clock::now();
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    return run;
  }
  Search search{info.dwProcessId, caption, nullptr};
  const auto deadline = start + std::chrono::seconds(30);
  while (Clock::now() < deadline) {
    if (search.found == nullptr) EnumWindows(&Find, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) {
      char text[64] = {};
      if (readyField == 0) break;
      GetDlgItemTextA(search.found, readyField, text, sizeof text);
      if (std::string(text).find_first_not_of(' ') != std::string::npos) break;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  if (search.found != nullptr) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(search.found, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (K32GetProcessMemoryInfo(info.hProcess, &memory, sizeof memory)) {
      run.peakKiB = static_cast<double>(memory.PeakWorkingSetSize) / 1024.0;
    }
    PostMessageA(search.found, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(info.hProcess, 1);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return run;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n == 0 ? 0 : (n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 15;
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  const std::string program = (folder / ".." / "src" / "isam-netcheck.exe").string();
  const std::string floor = (folder / "floor_window.exe").string();
  const std::string floorControls = (folder / "floor_controls.exe").string();
  const int lastStatusField = 21;  // the ninth row's status: the nine statuses are on screen

  // Warm-up: the first start in the directory takes the backup; none counts.
  Measure(program, "Registry Values", lastStatusField);
  Measure(floor, "Floor", 0);
  Measure(floorControls, "Floor", 0);
  std::vector<double> programTimes, floorTimes, controlsTimes, programPeaks, floorPeaks;
  for (int i = 0; i < rounds; ++i) {
    const Run f = Measure(floor, "Floor", 0);
    const Run c = Measure(floorControls, "Floor", 0);
    const Run p = Measure(program, "Registry Values", lastStatusField);
    if (f.seconds < 0 || c.seconds < 0 || p.seconds < 0) {
      std::printf("start: a window did not become ready\n");
      return 1;
    }
    floorTimes.push_back(f.seconds);
    controlsTimes.push_back(c.seconds);
    programTimes.push_back(p.seconds);
    if (f.peakKiB > 0) floorPeaks.push_back(f.peakKiB);
    if (p.peakKiB > 0) programPeaks.push_back(p.peakKiB);
  }
  const double pt = Median(programTimes), ft = Median(floorTimes), ct = Median(controlsTimes);
  std::printf("start to ready: program %.1f ms, floor %.1f ms, ratio %.3f (goal <= 1.25; median of %d runs each)\n",
              pt * 1000, ft * 1000, pt / ft, rounds);
  std::printf("start to ready: floor with the common controls loaded %.1f ms; program against it, ratio %.3f\n",
              ct * 1000, pt / ct);
  if (!programPeaks.empty() && !floorPeaks.empty()) {
    const double pm = Median(programPeaks), fm = Median(floorPeaks);
    std::printf("peak working set: program %.0f KiB, floor %.0f KiB, ratio %.3f (goal <= 1.2)\n", pm, fm, pm / fm);
  } else {
    std::printf("peak working set: not reported by this system\n");
  }
  return 0;
}
