#pragma once
// The title window's pictures, drawn in code: a radiator on its supply and
// return pipes, and a two-pipe riser with its branches.
#include <QWidget>

namespace shell {

class Artwork : public QWidget {
public:
    enum class Motif { Radiator, Network };
    explicit Artwork(Motif motif) : motif_(motif) {}

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Motif motif_;
};

}  // namespace shell
