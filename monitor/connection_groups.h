#pragma once

class QBoxLayout;

// The groups above the pages: "Соединение" with the connect toggle and the three check boxes,
// and "Пароль" with the login toggle and "Новый пароль", added to column as one row.
void BuildConnectionGroups(QBoxLayout* column);
