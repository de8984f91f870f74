#pragma once

#include <QStringList>

// Splits an SQL script into its statements at each ";" outside string
// literals and comments. Comment lines ("-- ...") are dropped.
QStringList splitSqlScript(const QString &script);
