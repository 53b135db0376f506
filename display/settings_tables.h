#pragma once

class QWidget;
struct RegisterImage;

// The three settings pages. Only the value column (column 2) can be edited; the write-back reads
// it.
void BuildCommSettingsPage(QWidget* page);   // StringGrid_SETRS_
void BuildAlarmSettingsPage(QWidget* page);  // StringGrid_SETALARM_
void BuildChargeSettingsPage(QWidget* page); // StringGrid_SETCHARGE_

// Rewrite columns 2 and 3 of the settings tables from their blocks in the current value view;
// each value cell keeps the register value it shows, for the write-back.
void FillCommSettings(const RegisterImage& image, QWidget* root);
void FillAlarmSettings(const RegisterImage& image, QWidget* root);
void FillChargeSettings(const RegisterImage& image, QWidget* root);
