#include "password.h"

#include "exception.h"

#include <sodium.h>

using namespace Qt::StringLiterals;

namespace {

void initSodium()
{
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        throw Exception(u"Die Kennwortprüfung kann nicht gestartet werden."_s);
}

} // namespace

QString passwordHash(const QString &password)
{
    initSodium();
    const QByteArray utf8 = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(out, utf8.constData(), quint64(utf8.size()),
                              crypto_pwhash_OPSLIMIT_INTERACTIVE,
                              crypto_pwhash_MEMLIMIT_INTERACTIVE,
                              crypto_pwhash_ALG_ARGON2ID13)
        != 0)
        throw Exception(u"Das Kennwort kann nicht verschlüsselt werden (zu wenig Speicher)."_s);
    return QString::fromLatin1(out);
}

bool isPasswordHash(const QString &stored)
{
    return stored.startsWith(u"$argon2id$"_s);
}

bool passwordMatches(const QString &typed, const QString &stored)
{
    if (!isPasswordHash(stored))
        return typed == stored;
    initSodium();
    const QByteArray hash = stored.toLatin1();
    const QByteArray utf8 = typed.toUtf8();
    return crypto_pwhash_str_verify(hash.constData(), utf8.constData(), quint64(utf8.size())) == 0;
}
