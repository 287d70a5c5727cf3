// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Runs a fuzz target once on every file named on the command line, or found in
// a directory named there, without libFuzzer. CTest uses it to replay the seed
// corpus and the inputs that once made a target fail.
#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace
{

bool replay_file(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return false;
    }
    const QByteArray bytes = file.readAll();
    std::fprintf(stderr, "replaying %s (%lld bytes)\n", qPrintable(path),
                 static_cast<long long>(bytes.size()));
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()),
                           size_t(bytes.size()));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    int replayed = 0;
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(arg).isDir()) {
            QDirIterator it(arg, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                if (QFileInfo(path).fileName() == QLatin1String("README"))
                    continue;
                ok = replay_file(path) && ok;
                ++replayed;
            }
        } else {
            ok = replay_file(arg) && ok;
            ++replayed;
        }
    }
    std::fprintf(stderr, "%d inputs replayed\n", replayed);
    return ok && replayed > 0 ? 0 : 1;
}
