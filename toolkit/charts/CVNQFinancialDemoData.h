#pragma once

// The financial chart's built-in demonstration tables as plain text: one
// line per trading day ("date,open,close,high,low,volume") and one line per
// intraday sample ("date time,price,volume").

namespace CVNQtLib {

const char* cvnFinancialDailyDemoText();
const char* cvnFinancialIntradayDemoText();

} // namespace CVNQtLib
