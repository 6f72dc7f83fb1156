// The staff who may use the staff web page: a name, what they may do, and their password kept only
// as an Argon2id hash (libsodium's crypto_pwhash_str), one account to a line of data/staff, a file
// only its owner may read.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace corvalin::web {

// What an account may do: raise and stop alarms and see the state, or also run the office's
// commands (today's changes, ring now, stop a bell, start and stop the bells).
enum class StaffRole { Alarm, Office };

QString roleName(StaffRole role);
std::optional<StaffRole> roleNamed(const QString& name);

struct StaffAccount {
    QString name;
    StaffRole role = StaffRole::Alarm;
    QByteArray hash;  // "$argon2id$v=19$m=...,t=...,p=1$salt$hash"
};

class StaffAccounts {
public:
    static constexpr const char* kFileName = "staff";
    static constexpr qsizetype kShortestPassword = 8;
    static constexpr qsizetype kLongestPassword = 1024;

    explicit StaffAccounts(QString dataFolder);

    // The accounts as the file holds them; none and no problem when there is no file. A line that
    // is not an account is left out and said in `problem`.
    std::vector<StaffAccount> read(QString* problem = nullptr) const;
    // The reason a name cannot be an account's: 1 to 32 letters, digits, '.', '_' or '-'.
    static QString nameFault(const QString& name);
    // The Argon2id hash of `password`, or none with the reason (too short, too long, no memory).
    static std::optional<QByteArray> hash(const QByteArray& password, QString* why);
    // Whether `hash` is one this program can check (an Argon2id string, and nothing more).
    static bool isHash(const QByteArray& hash);
    // Adds the account, or gives an account of that name the new role and hash; the reason when it
    // was not written.
    QString put(const StaffAccount& account) const;
    QString remove(const QString& name) const;
    // Whether `password` is the account's. Slow by design (about a tenth of a second and 64 MiB).
    static bool verify(const StaffAccount& account, const QByteArray& password);
    // The same time spent for a name that has no account, so that the answer does not tell names.
    static void verifyNone(const QByteArray& password);

    QString path() const;

private:
    QString write(const std::vector<StaffAccount>& accounts) const;
    QString m_folder;
};

}  // namespace corvalin::web
