#pragma once
// Every failure of the bridge reaches the user as a SpreadsheetError with a Russian message.
#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/uno/Exception.hpp>
#include <cppuhelper/bootstrap.hxx>

#include <exception>
#include <utility>

#include "excel/Spreadsheet.h"
#include "excel/lo/UnoText.h"
#include "text/Cp1251.h"

namespace brenvoll::excel::lo {

// Runs a step of an automation call; cp1251Step names it for the message ("открытие книги").
template <class Step>
auto guarded(const std::string& cp1251Step, Step&& step) -> decltype(step()) {
    try {
        return std::forward<Step>(step)();
    } catch (const SpreadsheetError&) {
        throw;
    } catch (const com::sun::star::lang::DisposedException&) {
        throw SpreadsheetError(text::w("Связь с LibreOffice Calc потеряна (") + cp1251Step +
                               text::w("): приложение закрыто или перестало отвечать."));
    } catch (const com::sun::star::uno::Exception& e) {
        std::string detail = toCp1251(e.Message);
        throw SpreadsheetError(text::w("Ошибка LibreOffice Calc (") + cp1251Step + ")" +
                               (detail.empty() ? std::string(".") : ": " + detail));
    } catch (const cppu::BootstrapException& e) {
        throw SpreadsheetError(text::w("Не удаётся подключиться к LibreOffice Calc (") + cp1251Step +
                               "): " + toCp1251(e.getMessage()));
    }
}

}  // namespace brenvoll::excel::lo
