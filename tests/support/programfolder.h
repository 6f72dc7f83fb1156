// A throw-away program folder for window tests: data/ and sound/ in a temporary directory.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>

class ProgramFolder {
public:
    ProgramFolder() { QDir(m_dir.path()).mkpath(QStringLiteral("sound")); }

    QString path() const { return m_dir.path(); }
    QString data(const QString& name) const { return m_dir.path() + QStringLiteral("/data/") + name; }

    // A 16-bit mono wave file of a quiet tone lasting `seconds`.
    void addSound(const QString& name, double seconds = 1.0) const {
        writeWave(m_dir.path() + QStringLiteral("/sound/") + name, seconds);
    }
    void addFile(const QString& relative, const QByteArray& bytes = QByteArray("x")) const {
        QFile file(m_dir.path() + QLatin1Char('/') + relative);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }

    void writeData(const QString& name, const QByteArray& bytes) const {
        QDir(m_dir.path()).mkpath(QStringLiteral("data"));
        QFile file(data(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
    QByteArray readData(const QString& name) const {
        QFile file(data(name));
        if (!file.open(QIODevice::ReadOnly)) {
            return QByteArray("<missing>");
        }
        return file.readAll();
    }
    bool hasData(const QString& name) const { return QFile::exists(data(name)); }

    static void writeWave(const QString& path, double seconds, int rate = 8000) {
        const auto frames = static_cast<quint32>(seconds * rate);
        QByteArray bytes;
        auto u32 = [&bytes](quint32 v) {
            char b[4];
            qToLittleEndian(v, b);
            bytes.append(b, 4);
        };
        auto u16 = [&bytes](quint16 v) {
            char b[2];
            qToLittleEndian(v, b);
            bytes.append(b, 2);
        };
        bytes.append("RIFF");
        u32(36 + frames * 2);
        bytes.append("WAVEfmt ");
        u32(16);
        u16(1);
        u16(1);
        u32(static_cast<quint32>(rate));
        u32(static_cast<quint32>(rate) * 2);
        u16(2);
        u16(16);
        bytes.append("data");
        u32(frames * 2);
        for (quint32 i = 0; i < frames; ++i) {
            u16(static_cast<quint16>(static_cast<qint16>(3000 * std::sin(i * 2 * M_PI * 440.0 / rate))));
        }
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }

private:
    QTemporaryDir m_dir;
};
