#pragma once
// Reaching the office of our own profile over a named pipe, starting it when nobody answers there.
#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>

#include <optional>
#include <string>

#include "excel/lo/CalcSpreadsheet.h"

namespace brenvoll::excel::lo {

struct OfficeLink {
    com::sun::star::uno::Reference<com::sun::star::uno::XComponentContext> context;
    com::sun::star::uno::Reference<com::sun::star::frame::XDesktop2> desktop;
};

// Throws SpreadsheetError: office not installed, cannot be started, or no answer within the time-out (then
// the process started for it is killed).
OfficeLink connectOffice(const CalcOptions& options);

// Only an office that already runs; none when nobody answers on the profile's pipe.
std::optional<OfficeLink> connectRunningOffice(const CalcOptions& options);

// One pipe per profile: an office started for an earlier action is found again.
std::string pipeNameFor(const std::filesystem::path& profileDir);

// The process group this program started for the profile, 0 when it started none.
int startedOfficeGroup(const CalcOptions& options);

}  // namespace brenvoll::excel::lo
