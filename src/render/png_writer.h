// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <memory>
#include <string>
#include <vector>

namespace morvane {

// 24-bit colour PNG, fed a band of rows at a time so that a large picture never
// has to exist whole. After a failure every call returns false and Error() tells why.
class TPngEncoder
{
public:
    TPngEncoder();
    ~TPngEncoder();
    TPngEncoder(const TPngEncoder &) = delete;
    TPngEncoder &operator=(const TPngEncoder &) = delete;

    // dotsPerMeter as the picture's QImage has them.
    bool Start(int width, int height, int dotsPerMeterX, int dotsPerMeterY);
    // The first `rows` rows of `band`, an RGB32 image as wide as the picture.
    bool AddRows(const QImage &band, int rows);
    bool Finish();

    const std::vector<unsigned char> &Bytes() const;
    const std::string &Error() const;

private:
    struct State;
    std::unique_ptr<State> m;
};

} // namespace morvane
