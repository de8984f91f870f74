#pragma once

// The declared kind of a column, as far as the program needs to tell values apart.
enum class ColumnType { Unknown, Integer, Real, Text, DateTime, Boolean, Blob };
