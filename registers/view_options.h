#pragma once

#include <QString>

// Program-wide view options, both on at start; the view and log options dialog changes them and
// every fill reads them when it runs.
extern bool UseRussianNames; // row names (shown in the installed language), else the mnemonics
extern bool UseScaledUnits;  // values in engineering units, else raw register integers
extern bool LogLinkErrors;   // polling's link errors go into the monitoring log

// The name a view shows for a row that has both a mnemonic and a Russian name.
template <class Row> QString DisplayName(const Row& row, bool russianNames = UseRussianNames) {
    return (russianNames ? row.russianName : row.mnemonic).toString();
}
