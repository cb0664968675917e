#include "SystemError.h"

#include <cerrno>

QString SystemError::text(int code)
{
    switch (code) {
    case 0:
        return {};
    case EACCES:
    case EPERM:
        return tr("Du har inte behörighet till filen eller mappen.");
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return tr("Det finns inte plats kvar på disken.");
    case EROFS:
        return tr("Disken är skrivskyddad.");
    case ENOENT:
        return tr("Filen eller mappen finns inte.");
    case ENOTDIR:
        return tr("En del av sökvägen är inte en mapp.");
    case EISDIR:
        return tr("Det är en mapp, inte en fil.");
    case ELOOP:
        return tr("Sökvägen har för många symboliska länkar.");
    case ENAMETOOLONG:
        return tr("Namnet är för långt.");
    case EFBIG:
        return tr("Filen blir för stor.");
    case EIO:
        return tr("Disken kunde inte läsas eller skrivas.");
    case EMFILE:
    case ENFILE:
        return tr("För många filer är öppna.");
    case EBUSY:
    case ETXTBSY:
        return tr("Filen används av ett annat program.");
    case ENXIO:
    case ENODEV:
        return tr("Det är ingen vanlig fil.");
    default:
        return tr("Systemfel %1.").arg(code);
    }
}
