// Vistrel: screen colour and rest reminder in the notification area.
#include <windows.h>

#include <shellapi.h>

#include "app/Autostart.h"
#include "app/MainForm.h"
#include "app/MainWindow.h"
#include "app/ProgramFolder.h"
#include "app/SettingsFolderProbe.h"
#include "app/SingleInstance.h"
#include "app/SystemClock.h"
#include "app/SystemEventWindow.h"
#include "app/TrayHost.h"
#include "app/Win32DesktopServices.h"
#include "app/Win32Presence.h"
#include "app/Win32Profile.h"
#include "settings/LanguageSetting.h"
#include "settings/WatchedProfile.h"
#include "base/DeferringDesktopServices.h"
#include "base/Text.h"
#include "base/Trace.h"
#include "base/FontCatalog.h"
#include "base/KeyboardNavigation.h"
#include "base/LanguageChange.h"
#include "gamma/GdiGammaDevice.h"
#include "history/StatisticsWindow.h"
#include "history/Win32HistoryStorage.h"
#include "options/HomeRegion.h"
#include "options/OptionsWindow.h"
#include "res/resource.h"

namespace {

int runMessageLoop(vistrel::win32::OptionsWindow& options)
{
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        // Tab and arrow keys move between the controls of the Options window, and of the main
        // window with its panels, the countdown screen and the statistics window.
        if (options.translate(msg)) continue;
        if (vistrel::win32::navigateByKeyboard(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

// The command line's arguments after the program's name, as UTF-8.
std::vector<std::string> commandArguments()
{
    int count = 0;
    LPWSTR* const arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments) {
        vistrel::win32::traceLastError(L"CommandLineToArgvW");
        return {};
    }
    std::vector<std::string> result;
    for (int i = 1; i < count; ++i) result.push_back(vistrel::win32::narrow(arguments[i]));
    LocalFree(arguments);
    return result;
}

#ifdef VISTREL_E2E_SEAMS
// The end-to-end tests' copy of the program: VISTREL_E2E_FAIL_FIRST lists the start-up
// registrations ("tray", "session") whose first attempt fails, as it does at an early logon.
bool failsFirst(std::wstring_view name)
{
    wchar_t list[256] = {};
    const DWORD length = GetEnvironmentVariableW(L"VISTREL_E2E_FAIL_FIRST", list, std::size(list));
    if (length == 0 || length >= std::size(list)) return false;
    std::wstring_view rest(list, length);
    while (!rest.empty()) {
        const size_t comma = rest.find(L',');
        if (rest.substr(0, comma) == name) return true;
        rest = comma == rest.npos ? std::wstring_view{} : rest.substr(comma + 1);
    }
    return false;
}
#endif

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    using namespace vistrel;
    using namespace vistrel::win32;

    // System DLLs come from System32 only, never from the program's folder.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);

    // A second copy ends here, before it touches the tray or the settings file.
    SingleInstance instanceLock(L"Local\\Vistrel.SingleInstance.{6B1C0E52-8F7A-4C38-9D55-1E0F6A1B2C3D}");
    if (!instanceLock.isFirst()) return 0;

    // Started by the user's Run entry at logon: the tray icon and the schedule, no window.
    const bool inTray = autostart::startsInTray(commandArguments());
    const std::wstring folder = programFolder();
    const SettingsFolder settingsFolder = probeSettingsFolder(folder);
    const std::wstring settingsPath = widen(settingsFolder.folder());
    Win32Profile file(settingsFileIn(settingsPath));
    // Before anything is shown or said: every text, the first message box included, is in it.
    const Language language = readLanguage(file);
    SystemClock clock;
    GdiGammaDevice gamma;
    Win32DesktopServices desktopServices(settingsPath, folder, programPath());
    // Boxes asked for while a broadcast is answered wait for the answer to go.
    DeferringDesktopServices desktop(desktopServices);
    WatchedProfile profile(file, desktop, unsavedSettingsMessage(settingsFolder.tried));
    Win32Presence presence;
    Win32HistoryStorage history(settingsPath);
    // A folder that takes no writes records no history: the unsaved-settings message covers both.
    MainForm form({profile, clock, gamma, desktop, &presence, settingsFolder.saves() ? &history : nullptr, language},
                  VISTREL_ABOUT_HOST);
    form.languageChanged = [] { announceLanguageChange(); };
    profile.useTexts(form.texts());
    FontCatalog fonts;

    UniqueIcon icon(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON,
                                                  GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
    UniqueIcon noticeIcon(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0)));
    MainWindow* mainWindow = nullptr;
    OptionsWindow* optionsWindow = nullptr;
    StatisticsWindow statistics(
        {.storage = history, .clock = clock, .fonts = fonts, .texts = form.texts(), .smallIcon = icon.get()});
    // Sun mode follows the home region Windows knows until the user gives a place.
    form.night().setFallbackPlace(homeRegion());
    TrayHost tray(icon.get(), noticeIcon.get(), form.trayMenu(), form.texts(),
                  {.showMainWindow = [&] { if (mainWindow) mainWindow->showAndActivate(); },
                   .exit = [] { PostQuitMessage(0); },
                   // Started in the tray at logon with no tray to show in: a taskbar button is then
                   // the only way to the program, so the window comes minimised, without the focus.
                   .iconGivenUp = [&] {
                       if (mainWindow && !IsWindowVisible(mainWindow->hwnd()))
                           ShowWindow(mainWindow->hwnd(), SW_SHOWMINNOACTIVE);
                   },
                   .openOptions = [&] { if (optionsWindow) optionsWindow->show(OptionsWindow::Page::Night); },
                   .openStatistics = [&] { statistics.show(); }});
    form.notice = [&](const std::string& text) { tray.showNotice(widen(text)); };
    MainWindow window(form, fonts, icon.get(),
                      {[&] { return tray.iconShown(); }, [] { PostQuitMessage(0); }});
    mainWindow = &window;
    SystemEventWindow systemEvents(desktop, {[&](SystemEvent event) {
                                                 // As at "Exit": no preview may outlive the exit sequence.
                                                 if (event == SystemEvent::EndSession && optionsWindow)
                                                     optionsWindow->close();
                                                 form.onSystemEvent(event);
                                             },
                                             &presence});
    // Without an owner: opened from the tray while the main window is hidden, it needs a taskbar button.
    NightColour& night = form.night();
    OptionsWindow options({.profile = profile,
                           .desktop = desktop,
                           .rest = form.rest(),
                           .texts = form.texts(),
                           .history = form.history(),
                           .night = {.apply = [&](const NightSettings& s) { night.apply(s); },
                                     .preview = [&](int kelvin) { night.preview(kelvin); },
                                     .endPreview = [&] { night.endPreview(); },
                                     .displayStatus = [&] { return night.displayStatus(); },
                                     .sunTimes = [&](Place place) { return night.sunTimesToday(place); }},
                           .setLanguage = [&](Language chosen) { form.setLanguage(chosen); },
                           .owner = nullptr,
                           .icon = icon.get()});
    optionsWindow = &options;
#ifdef VISTREL_E2E_SEAMS
    if (failsFirst(L"tray")) tray.failFirstAdds(1);
    if (failsFirst(L"session")) systemEvents.failFirstSessionRegistrations(1);
#endif

    tray.create();
    tray.addIcon();
    if (!window.create()) return 1;
    desktopServices.setOwner(window.hwnd());
    // After the load: what the system says from now on reaches a form that holds the settings.
    systemEvents.create();
    if (!inTray) {
        ShowWindow(window.hwnd(), SW_SHOW);
        SetForegroundWindow(window.hwnd());
    }
    if (!settingsFolder.saves()) profile.warn();

    const int code = runMessageLoop(options);
    // A preview must not outlive the exit sequence, which leaves the colours the user chose.
    options.close();
    // The exit sequence: settings, then the tray icon; the windows go with the process.
    form.exitSequence();
    tray.removeIcon();
    return code;
}
