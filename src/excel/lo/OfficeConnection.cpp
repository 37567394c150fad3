#include "excel/lo/OfficeConnection.h"

#include <com/sun/star/beans/NamedValue.hpp>
#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/configuration/theDefaultProvider.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/container/XNameReplace.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/util/XChangesBatch.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <osl/file.hxx>
#include <rtl/bootstrap.hxx>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>
#include <system_error>
#include <thread>

#include "excel/lo/OfficeProcess.h"
#include "excel/lo/UnoErrors.h"
#include "excel/lo/UnoText.h"

#ifndef BRENVOLL_LO_PROGRAM_DIR
#define BRENVOLL_LO_PROGRAM_DIR "/usr/lib/libreoffice/program"
#endif

namespace brenvoll::excel {
namespace fs = std::filesystem;
namespace uno = com::sun::star::uno;

fs::path calcProfileDir(const CalcOptions& options) {
    if (!options.profileDir.empty()) return fs::absolute(options.profileDir);
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    fs::path base;
    if (config && fs::path(config).is_absolute())
        base = config;
    else if (home && *home)
        base = fs::path(home) / ".config";
    else
        base = fs::temp_directory_path();
    return base / "brenvoll" / "lo-profile";
}

fs::path calcOfficeProgram(const CalcOptions& options) {
    return options.officeProgram.empty() ? fs::path(BRENVOLL_LO_PROGRAM_DIR) / "soffice"
                                         : options.officeProgram;
}

}  // namespace brenvoll::excel

namespace brenvoll::excel::lo {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

std::mutex startedMutex;
std::map<std::string, int>& startedGroups() {
    static std::map<std::string, int> groups;
    return groups;
}

// One local bridge end for the whole run. Never destroyed: it must outlive every reference to the office.
uno::Reference<uno::XComponentContext> localContext() {
    static uno::Reference<uno::XComponentContext>* context = [] {
        rtl::Bootstrap::set("URE_BOOTSTRAP",
                            fromUtf8("vnd.sun.star.pathname:" BRENVOLL_LO_PROGRAM_DIR "/fundamentalrc"));
        return new uno::Reference<uno::XComponentContext>(cppu::defaultBootstrap_InitialComponentContext());
    }();
    return *context;
}

std::string fileUrl(const fs::path& path) {
    rtl::OUString url;
    if (osl::FileBase::getFileURLFromSystemPath(fromUtf8(path.string()), url) != osl::FileBase::E_None)
        return "file://" + path.string();
    return toUtf8(url);
}

std::string connectUrl(const std::string& pipe) {
    return "uno:pipe,name=" + pipe + ";urp;StarOffice.ComponentContext";
}

// The office greets a new day with a tip dialog over the workbook we just opened; our profile never wants it.
void turnOffDailyTip(const uno::Reference<uno::XComponentContext>& context) {
    namespace css = com::sun::star;
    try {
        const uno::Any args[] = {uno::Any(
            css::beans::NamedValue("nodepath", uno::Any(fromUtf8("/org.openoffice.Office.Common/Misc"))))};
        const uno::Reference<css::container::XNameReplace> misc(
            css::configuration::theDefaultProvider::get(context)->createInstanceWithArguments(
                "com.sun.star.configuration.ConfigurationUpdateAccess", uno::Sequence<uno::Any>(args, 1)),
            uno::UNO_QUERY_THROW);
        bool show = false;
        if (!(misc->getByName("ShowTipOfTheDay") >>= show) || !show) return;
        misc->replaceByName("ShowTipOfTheDay", uno::Any(false));
        uno::Reference<css::util::XChangesBatch>(misc, uno::UNO_QUERY_THROW)->commitChanges();
    } catch (const uno::Exception&) {
        // Only a nicety: the export works with the dialog too.
    }
}

std::optional<OfficeLink> tryResolve(const uno::Reference<com::sun::star::bridge::XUnoUrlResolver>& resolver,
                                     const std::string& pipe) {
    uno::Reference<uno::XInterface> remote;
    try {
        remote = resolver->resolve(fromUtf8(connectUrl(pipe)));
    } catch (const com::sun::star::connection::NoConnectException&) {
        return std::nullopt;
    }
    uno::Reference<uno::XComponentContext> context(remote, uno::UNO_QUERY_THROW);
    turnOffDailyTip(context);
    return OfficeLink{context, com::sun::star::frame::Desktop::create(context)};
}

void requireInstalled(const fs::path& program) {
    std::error_code ec;
    if (fs::exists(program, ec) && fs::exists(fs::path(BRENVOLL_LO_PROGRAM_DIR) / "fundamentalrc", ec))
        return;
    throw SpreadsheetError(
        text::w("LibreOffice Calc не найден: нет программы \"") + text::fromUtf8Lossy(program.string()) +
        text::w(
            "\". Установите LibreOffice Calc, чтобы переводить проект в таблицу и открывать справочники."));
}

std::vector<std::string> officeArguments(const CalcOptions& options, const fs::path& profile,
                                         const std::string& pipe) {
    std::vector<std::string> argv = {calcOfficeProgram(options).string(),
                                     "-env:UserInstallation=" + fileUrl(profile),
                                     "--nologo",
                                     "--norestore",
                                     "--nodefault",
                                     "--nolockcheck",
                                     "--accept=pipe,name=" + pipe + ";urp;StarOffice.ComponentContext"};
    if (options.headless) {
        argv.push_back("--headless");
        argv.push_back("--invisible");
    }
    return argv;
}

}  // namespace

std::string pipeNameFor(const fs::path& profileDir) {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (unsigned char c : profileDir.string()) hash = (hash ^ c) * 1099511628211ull;
    char name[40];
    std::snprintf(name, sizeof name, "brenvoll-%016llx", static_cast<unsigned long long>(hash));
    return name;
}

int startedOfficeGroup(const CalcOptions& options) {
    std::lock_guard lock(startedMutex);
    const auto found = startedGroups().find(pipeNameFor(calcProfileDir(options)));
    return found == startedGroups().end() ? 0 : found->second;
}

std::optional<OfficeLink> connectRunningOffice(const CalcOptions& options) {
    const std::string pipe = pipeNameFor(calcProfileDir(options));
    return guarded(text::w("подключение"), [&] {
        return tryResolve(com::sun::star::bridge::UnoUrlResolver::create(localContext()), pipe);
    });
}

OfficeLink connectOffice(const CalcOptions& options) {
    const fs::path program = calcOfficeProgram(options);
    requireInstalled(program);
    const fs::path profile = calcProfileDir(options);
    std::error_code ec;
    fs::create_directories(profile, ec);
    const std::string pipe = pipeNameFor(profile);

    return guarded(text::w("запуск"), [&] {
        const auto resolver = com::sun::star::bridge::UnoUrlResolver::create(localContext());
        if (auto link = tryResolve(resolver, pipe)) return *link;

        const OfficeProcess office = OfficeProcess::start(officeArguments(options, profile, pipe));
        {
            std::lock_guard lock(startedMutex);
            startedGroups()[pipe] = office.groupId();
        }
        const auto deadline = Clock::now() + options.timeout;
        std::optional<Clock::time_point> goneSince;
        for (;;) {
            std::this_thread::sleep_for(100ms);
            if (auto link = tryResolve(resolver, pipe)) return *link;
            // A launcher that hands its work to an office already running ends at once; give that one a
            // moment.
            if (!office.running()) {
                if (!goneSince) goneSince = Clock::now();
                if (Clock::now() - *goneSince > 3s)
                    throw SpreadsheetError(text::w("Не удаётся запустить LibreOffice Calc: программа \"") +
                                           text::fromUtf8Lossy(program.string()) +
                                           text::w("\" завершилась, не ответив."));
            }
            if (Clock::now() > deadline) {
                office.kill();
                throw SpreadsheetError(
                    text::w("LibreOffice Calc не отвечает: запущенное приложение не ответило за ") +
                    std::to_string(
                        std::chrono::duration_cast<std::chrono::seconds>(options.timeout).count()) +
                    text::w(" с и остановлено. Попробуйте ещё раз."));
            }
        }
    });
}

}  // namespace brenvoll::excel::lo
