#include "excel/lo/CalcTestSupport.h"

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <osl/file.hxx>

#include <signal.h>

#include <thread>

#include "excel/lo/OfficeProcess.h"
#include "excel/lo/UnoErrors.h"
#include "excel/lo/UnoText.h"

namespace brenvoll::excel::lo {
namespace css = com::sun::star;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

OfficeLink connectForTest(const CalcOptions& options) {
    auto link = connectRunningOffice(options);
    if (!link) throw SpreadsheetError("office of the test profile does not run");
    return *link;
}

std::vector<Reference<css::sheet::XSpreadsheetDocument>> spreadsheetsForTest(const OfficeLink& office) {
    return guarded("documents", [&] {
        std::vector<Reference<css::sheet::XSpreadsheetDocument>> docs;
        const auto all = office.desktop->getComponents()->createEnumeration();
        while (all->hasMoreElements()) {
            Reference<css::sheet::XSpreadsheetDocument> doc(all->nextElement(), UNO_QUERY);
            if (doc.is()) docs.push_back(doc);
        }
        return docs;
    });
}

void storeForTest(const Reference<css::sheet::XSpreadsheetDocument>& doc, const std::filesystem::path& path) {
    guarded("store", [&] {
        const std::string ext = path.extension().string();
        const char* filter = ext == ".xlsx"  ? "Calc MS Excel 2007 XML"
                             : ext == ".xls" ? "MS Excel 97"
                                             : "calc8";
        css::beans::PropertyValue args[1];
        args[0].Name = "FilterName";
        args[0].Value <<= rtl::OUString::createFromAscii(filter);
        rtl::OUString url;
        osl::FileBase::getFileURLFromSystemPath(fromUtf8(std::filesystem::absolute(path).string()), url);
        Reference<css::frame::XStorable>(doc, UNO_QUERY_THROW)
            ->storeToURL(url, css::uno::Sequence<css::beans::PropertyValue>(args, 1));
    });
}

void closeForTest(const Reference<css::sheet::XSpreadsheetDocument>& doc) {
    guarded("close", [&] { Reference<css::util::XCloseable>(doc, UNO_QUERY_THROW)->close(true); });
}

void terminateForTest(const CalcOptions& options, std::chrono::milliseconds wait) {
    const OfficeProcess office(startedOfficeGroup(options));
    try {
        if (auto link = connectRunningOffice(options)) link->desktop->terminate();
    } catch (const SpreadsheetError&) {
        // The bridge goes down with the office; the process check below tells whether it ended.
    } catch (const css::uno::Exception&) {
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (office.running() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (office.running()) office.kill();
}

}  // namespace brenvoll::excel::lo
