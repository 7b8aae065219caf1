#include "Music.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

void MelodyTimers::mainScreenLoad(const GameState& g)
{
    for (size_t i = 0; i < melodies.size(); ++i) {
        const Flag flag = g.*melodies[i].flag;
        if (flag == True)
            setOn(i, true);
        else if (flag == False)
            setOn(i, false);
    }
}

void MelodyTimers::setOn(size_t index, bool on)
{
    const bool wasOn = m_on[index];
    m_on[index] = on;
    const QString file = QString::fromLatin1(melodies[index].fileName);
    if (on)
        m_player.play(file); // a melody already playing goes on
    else if (wasOn)
        m_player.stop(file); // a player never asked to play is never touched
}

void MelodyTimers::tick(size_t index)
{
    if (m_on[index])
        m_player.play(QString::fromLatin1(melodies[index].fileName));
}

QStringList melodyFolders()
{
    QStringList data;
    for (const QString& dir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        data << dir + QStringLiteral("/trevinor");
    return melodyFolders(QDir::currentPath(), QCoreApplication::applicationDirPath(), data);
}

QStringList melodyFolders(const QString& currentFolder, const QString& programFolder,
                          const QStringList& dataFolders)
{
    QStringList folders{currentFolder};
    if (!programFolder.isEmpty()) {
        folders << programFolder;
        folders << QDir::cleanPath(programFolder + QStringLiteral("/../share/trevinor"));
    }
    folders << dataFolders;
    folders.removeDuplicates();
    return folders;
}

QString findMelodyFile(const QString& fileName, const QStringList& folders)
{
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder), fileName);
        if (file.isFile() && file.isReadable())
            return file.absoluteFilePath();
    }
    return {};
}

QByteArray MelodyFiles::read(const QString& path)
{
    const QFileInfo info(path);
    const Stamp stamp{info.size(), info.lastModified()};
    if (const auto refused = m_refused.find(path); refused != m_refused.end() && refused->second == stamp)
        return {};
    QByteArray bytes;
    QFile file(path);
    if (stamp.size <= MaxMelodyFileBytes && file.open(QIODevice::ReadOnly))
        bytes = file.read(MaxMelodyFileBytes + 1);
    if (isPlayableMidi(bytes)) {
        m_refused.erase(path);
        return bytes;
    }
    m_refused[path] = stamp;
    return {};
}

namespace {
// Reads the parts of a MIDI file in order; any read past the end marks the file broken.
class MidiReader {
public:
    MidiReader(const QByteArray& bytes, qsizetype from, qsizetype to)
        : m_bytes(bytes), m_at(from), m_end(to) {}

    bool ok() const { return m_ok; }
    bool atEnd() const { return m_at >= m_end; }
    qsizetype position() const { return m_at; }

    uint32_t byte()
    {
        if (m_at >= m_end) {
            m_ok = false;
            return 0;
        }
        return uint8_t(m_bytes[m_at++]);
    }
    uint32_t bigEndian(int count)
    {
        uint32_t v = 0;
        for (int i = 0; i < count; ++i)
            v = v << 8 | byte();
        return v;
    }
    // A variable-length number: at most four bytes of seven bits.
    uint32_t number()
    {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            const uint32_t b = byte();
            v = v << 7 | (b & 0x7F);
            if (!(b & 0x80))
                return v;
        }
        m_ok = false;
        return 0;
    }
    void skip(uint32_t count)
    {
        if (count > uint64_t(m_end - m_at))
            m_ok = false;
        else
            m_at += count;
    }

private:
    const QByteArray& m_bytes;
    qsizetype m_at, m_end;
    bool m_ok = true;
};

// One track chunk's events up to its end-of-track event, which must close the chunk.
bool isWholeTrack(MidiReader& r)
{
    uint32_t running = 0;
    while (r.ok() && !r.atEnd()) {
        r.number(); // delta time
        uint32_t status = r.byte();
        int dataRead = 0;
        if (status < 0x80) {
            if (running == 0)
                return false;
            status = running; // running status: that byte was the first data byte
            dataRead = 1;
        }
        if (status == 0xFF) {
            const uint32_t type = r.byte();
            const uint32_t length = r.number();
            r.skip(length);
            if (type == 0x2F)
                return r.ok() && r.atEnd();
        } else if (status == 0xF0 || status == 0xF7) {
            r.skip(r.number());
        } else if (status >= 0xF0) {
            return false;
        } else {
            running = status;
            const bool oneDataByte = (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0;
            for (int i = dataRead; i < (oneDataByte ? 1 : 2); ++i)
                if (r.byte() >= 0x80)
                    return false;
        }
    }
    return false;
}
} // namespace

bool isPlayableMidi(const QByteArray& bytes)
{
    MidiReader file(bytes, 0, bytes.size());
    if (file.bigEndian(4) != 0x4D546864 /* MThd */ || file.bigEndian(4) != 6)
        return false;
    const uint32_t format = file.bigEndian(2);
    const uint32_t tracks = file.bigEndian(2);
    const uint32_t division = file.bigEndian(2);
    if (!file.ok() || format > 2 || tracks == 0 || division == 0)
        return false;
    uint32_t wholeTracks = 0;
    while (file.ok() && !file.atEnd()) {
        const uint32_t type = file.bigEndian(4);
        const uint32_t length = file.bigEndian(4);
        const qsizetype start = file.position();
        file.skip(length);
        if (!file.ok())
            return false;
        if (type == 0x4D54726B /* MTrk */) {
            MidiReader track(bytes, start, start + qsizetype(length));
            if (!isWholeTrack(track))
                return false;
            ++wholeTracks;
        }
    }
    return file.ok() && wholeTracks == tracks;
}
