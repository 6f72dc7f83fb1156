// The staff accounts' file.
#include "core/web/staffaccounts.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <sodium.h>

#include "core/base/wholefile.h"

namespace corvalin::web {

namespace {

constexpr qint64 kLargestFile = 256 * 1024;

bool sodiumReady() {
    static const bool ready = ::sodium_init() >= 0;
    return ready;
}

}  // namespace

QString roleName(StaffRole role) {
    return role == StaffRole::Office ? QStringLiteral("office") : QStringLiteral("alarm");
}

std::optional<StaffRole> roleNamed(const QString& name) {
    const QString n = name.trimmed().toLower();
    if (n == QStringLiteral("alarm")) {
        return StaffRole::Alarm;
    }
    if (n == QStringLiteral("office")) {
        return StaffRole::Office;
    }
    return std::nullopt;
}

StaffAccounts::StaffAccounts(QString dataFolder) : m_folder(std::move(dataFolder)) {}

QString StaffAccounts::path() const {
    return QDir(m_folder).filePath(QLatin1String(kFileName));
}

QString StaffAccounts::nameFault(const QString& name) {
    static const QRegularExpression allowed(QStringLiteral("^[A-Za-z0-9._-]{1,32}$"));
    if (!allowed.match(name).hasMatch()) {
        return QStringLiteral("a staff name is 1 to 32 letters, digits, '.', '_' or '-'");
    }
    return {};
}

bool StaffAccounts::isHash(const QByteArray& hash) {
    return hash.startsWith("$argon2id$") && hash.size() < crypto_pwhash_STRBYTES &&
           !hash.contains(' ') && !hash.contains('\n') && !hash.contains('\r');
}

std::optional<QByteArray> StaffAccounts::hash(const QByteArray& password, QString* why) {
    if (password.size() < kShortestPassword) {
        *why = QStringLiteral("a password has at least %1 characters").arg(kShortestPassword);
        return std::nullopt;
    }
    if (password.size() > kLongestPassword) {
        *why = QStringLiteral("a password has at most %1 characters").arg(kLongestPassword);
        return std::nullopt;
    }
    if (!sodiumReady()) {
        *why = QStringLiteral("the password library could not start");
        return std::nullopt;
    }
    char out[crypto_pwhash_STRBYTES];
    if (::crypto_pwhash_str(out, password.constData(), static_cast<unsigned long long>(password.size()),
                            crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0) {
        *why = QStringLiteral("there was not memory enough to hash the password");
        return std::nullopt;
    }
    return QByteArray(out);
}

bool StaffAccounts::verify(const StaffAccount& account, const QByteArray& password) {
    if (!sodiumReady() || !isHash(account.hash) || password.size() > kLongestPassword) {
        return false;
    }
    const QByteArray hash = account.hash + '\0';
    return ::crypto_pwhash_str_verify(hash.constData(), password.constData(),
                                      static_cast<unsigned long long>(password.size())) == 0;
}

void StaffAccounts::verifyNone(const QByteArray& password) {
    // A hash made once, of nothing anyone types, checked as a real one would be.
    static const QByteArray decoy = [] {
        QString why;
        return hash(QByteArrayLiteral("no account has this password"), &why).value_or(QByteArray());
    }();
    verify({QString(), StaffRole::Alarm, decoy}, password);
}

std::vector<StaffAccount> StaffAccounts::read(QString* problem) const {
    std::vector<StaffAccount> accounts;
    QString why;
    const auto bytes = readWholeFile(path(), kLargestFile, &why);
    if (!bytes) {
        if (problem && !why.isEmpty()) {
            *problem = unreadFileText(path(), why);
        }
        return accounts;
    }
    int bad = 0;
    for (const QByteArray& line : bytes->split('\n')) {
        if (line.trimmed().isEmpty()) {
            continue;
        }
        const QList<QByteArray> fields = line.trimmed().split(' ');
        const QString name = QString::fromUtf8(fields.value(0));
        const auto role = roleNamed(QString::fromUtf8(fields.value(1)));
        if (fields.size() != 3 || !nameFault(name).isEmpty() || !role || !isHash(fields.value(2))) {
            ++bad;
            continue;
        }
        accounts.push_back({name, *role, fields.value(2)});
    }
    if (problem && bad > 0) {
        *problem = QStringLiteral("%1 line(s) of %2 are not staff accounts and were left out").arg(bad).arg(path());
    }
    return accounts;
}

QString StaffAccounts::write(const std::vector<StaffAccount>& accounts) const {
    QByteArray bytes;
    for (const StaffAccount& account : accounts) {
        bytes += account.name.toUtf8() + ' ' + roleName(account.role).toUtf8() + ' ' + account.hash + '\n';
    }
    QString why;
    if (!makeFolder(m_folder)) {
        return QStringLiteral("the data folder %1 could not be made").arg(m_folder);
    }
    if (!replaceWholeFile(path(), bytes, &why, FileAccess::OwnerOnly)) {
        return QStringLiteral("%1 could not be written: %2").arg(path(), why);
    }
    return {};
}

QString StaffAccounts::put(const StaffAccount& account) const {
    if (const QString fault = nameFault(account.name); !fault.isEmpty()) {
        return fault;
    }
    if (!isHash(account.hash)) {
        return QStringLiteral("the password's hash is not an Argon2id hash");
    }
    QString problem;
    std::vector<StaffAccount> accounts = read(&problem);
    if (!problem.isEmpty() && accounts.empty() && QFileInfo::exists(path())) {
        // A file that cannot be read is not written over: the accounts in it would be lost.
        return problem;
    }
    bool replaced = false;
    for (StaffAccount& existing : accounts) {
        if (existing.name == account.name) {
            existing = account;
            replaced = true;
        }
    }
    if (!replaced) {
        accounts.push_back(account);
    }
    return write(accounts);
}

QString StaffAccounts::remove(const QString& name) const {
    std::vector<StaffAccount> accounts = read();
    const auto before = accounts.size();
    std::erase_if(accounts, [&name](const StaffAccount& a) { return a.name == name; });
    if (accounts.size() == before) {
        return QStringLiteral("there is no staff account %1").arg(name);
    }
    return write(accounts);
}

}  // namespace corvalin::web
