#pragma once

#include <QString>

// Login passwords are stored as Argon2id hashes. These two functions are the
// only place where the program handles a password.

// Returns the hash to store for a typed password. Raises Exception when the
// hash cannot be computed (out of memory).
QString passwordHash(const QString &password);

// Whether a typed password matches the stored value. A stored hash is checked
// by the hash; any other stored value (rows written by SQL scripts or older
// databases) must equal the typed text character for character.
bool passwordMatches(const QString &typed, const QString &stored);

// Whether a stored value is a hash written by passwordHash().
bool isPasswordHash(const QString &stored);
