// The settings file read for a write to the controller: the file the window saves of any settings
// block whose values its cells take, in either view and under the C or the Russian locale, loads
// under either locale without changing a register; and any lines are either refused or loaded into
// values that save and load again unchanged.
#include "fuzz_input.h"
#include "register_image.h"
#include "settings_file.h"
#include "table_file.h"
#include "table_texts.h"
#include "text_file.h"

#include <algorithm>

namespace {

QStringList SavedLines(SettingsTable table, const RegisterImage& image, bool scaled) {
    return DecodeLines(
        TableFileBytes(SettingsTableCells(table, SettingsTableBlock(table, image), scaled)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const SettingsTable table = SettingsTable(in.Byte() % 3);
    const bool scaled = in.Flag();
    const QLocale writer = FuzzLocale(in.Flag());
    const QLocale reader = FuzzLocale(in.Flag());
    static RegisterImage image;
    image = RegisterImage{};
    if (in.Flag()) {
        // Any lines: cut at line feeds, the rest of the input as text.
        QLocale::setDefault(reader);
        const SettingsFileRead read = ParseSettingsFile(in.Text().split(QLatin1Char('\n')));
        FUZZ_CHECK(read.file.has_value() == read.error.isEmpty());
        if (!read.file)
            return 0;
        StoreSettingsFile(*read.file, image);
        const RegisterImage loaded = image;
        const SettingsFileRead again =
            ParseSettingsFile(SavedLines(read.file->table, image, read.file->scaledUnits));
        FUZZ_CHECK(again.file && again.file->table == read.file->table);
        StoreSettingsFile(*again.file, image);
        FUZZ_CHECK(ChangedRows(read.file->table, loaded, image).isEmpty());
        return 0;
    }
    std::span<quint16> block = SettingsTableBlock(table, image);
    for (quint16& word : block)
        if (!in.Empty())
            word = in.Word();
    QLocale::setDefault(writer);
    const QStringList lines = SavedLines(table, image, scaled);
    QLocale::setDefault(reader);
    const SettingsFileRead read = ParseSettingsFile(lines);
    // A value the controller holds beyond what its cell takes (address 0) is refused, naming its
    // line; every other file loads.
    FUZZ_CHECK(read.file.has_value() == read.error.isEmpty());
    if (!read.file) {
        FUZZ_CHECK(read.error.startsWith(QStringLiteral("Строка ")));
        return 0;
    }
    // The units tell the view only of a table with a scaled row (the communication table has
    // none).
    const std::span<const SettingsRegister> rows = SettingsTableRegisters(table);
    FUZZ_CHECK(read.file->table == table &&
               (read.file->scaledUnits == scaled ||
                std::none_of(rows.begin(), rows.end(), [](const SettingsRegister& row) {
                    return row.scaling != Scaling::None;
                })));
    // Loaded over the controller's own values nothing changes; the raw view holds every value
    // exactly, so loading it over other values gives the same registers too.
    RegisterImage stored = image;
    StoreSettingsFile(*read.file, stored);
    FUZZ_CHECK(ChangedRows(table, image, stored).isEmpty());
    if (!scaled) {
        RegisterImage fresh;
        StoreSettingsFile(*read.file, fresh);
        FUZZ_CHECK(ChangedRows(table, image, fresh).isEmpty());
    }
    return 0;
}
