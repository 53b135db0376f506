#include "display_pages.h"

#include "cell_page.h"
#include "journal_page.h"
#include "main_page.h"
#include "settings_tables.h"
#include "state_tables.h"

void BuildDisplayPages(const DisplayPages& pages, const RegisterImage& image) {
    BuildMainPage(pages.main);
    BuildInfoBasePage(pages.infoBase);
    BuildCellPage(pages.cells, image);
    BuildInfoAlarmPage(pages.alarms);
    BuildInfoChargePage(pages.charge);
    BuildCommSettingsPage(pages.commSettings);
    BuildAlarmSettingsPage(pages.alarmSettings);
    BuildChargeSettingsPage(pages.chargeSettings);
    BuildJournalPage(pages.journal);
}
