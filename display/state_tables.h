#pragma once

class QWidget;
struct RegisterImage;

// The pages of the status tab and the settings tab, the journal page, and the fills of their
// tables. Every fill and SetupTables finds its tables by objectName under root (a page or the
// whole window) and skips a table that is not there.

void BuildInfoBasePage(QWidget* page);   // StringGrid_INFOBASE_
void BuildInfoAlarmPage(QWidget* page);  // StringGrid_INFOALARM_
void BuildInfoChargePage(QWidget* page); // StringGrid_INFOCHARGE_

// Lays out every table: row counts, column widths, headers, row numbers and names in the current
// name view. It writes no values.
void SetupTables(QWidget* root);

void FillInfoBase(const RegisterImage& image, QWidget* root);
void FillAlarmTable(const RegisterImage& image, QWidget* root);
void FillChargeTable(const RegisterImage& image, QWidget* root);
