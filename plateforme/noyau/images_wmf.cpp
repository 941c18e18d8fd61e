#include "plateforme/noyau/images_wmf.h"

#include "plateforme/noyau/images_processus.h"

#include <QtEndian>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <libwmf/api.h>
#include <libwmf/gd.h>
#include <libwmf/gd/gd.h>
#include <libwmf/ipa.h>
#include <optional>
#include <vector>

namespace plateforme::wmf {

namespace {

// Pictures are sized as the screen shows them.
constexpr double kPointsParPouce = 96;

// libwmf's GD device fills an ellipse as a chord from 0 to 360 degrees, which
// fills nothing; as a polygon of many sides it is filled and outlined.
void ellipseEnPolygone(wmfAPI* api, wmfDrawArc_t* arc) {
    constexpr int kCotes = 180;
    const float cx = (arc->TL.x + arc->BR.x) / 2, cy = (arc->TL.y + arc->BR.y) / 2;
    const float rx = (arc->BR.x - arc->TL.x) / 2, ry = (arc->BR.y - arc->TL.y) / 2;
    std::vector<wmfD_Coord> points(kCotes);
    for (int i = 0; i < kCotes; ++i) {
        const double angle = 2 * M_PI * i / kCotes;
        points[size_t(i)] = {cx + rx * float(std::cos(angle)), cy + ry * float(std::sin(angle))};
    }
    wmfPolyLine_t polygone{arc->dc, points.data(), static_cast<U16>(kCotes)};
    static_cast<wmfFunctionReference*>(api->function_reference)->draw_polygon(api, &polygone);
}

// The picture libwmf's GD device plays into is left to its caller, who cannot
// reach GD's own gdImageDestroy: released here as GD allocated it, with malloc.
void libererGd(gdImage* image) {
    if (!image)
        return;
    if (image->pixels)
        for (int y = 0; y < image->sy; ++y)
            std::free(image->pixels[y]);
    std::free(image->pixels);
    std::free(image->tpixels);
    std::free(image->_tpixels);
    std::free(image->polyInts);
    std::free(image->style);
    if (image->clip)
        std::free(image->clip->list);
    std::free(image->clip);
    std::free(image);
}

// One metafile opened by libwmf and scanned for its extent.
class Lecture {
public:
    explicit Lecture(const QByteArray& contenu) {
        wmfAPI_Options options{};
        options.function = wmf_gd_function;
        // Quiet: a damaged file is reported by a null picture, not on stderr.
        const unsigned long drapeaux =
            WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
        if (wmf_api_create(&api_, drapeaux, &options) != wmf_E_None)
            return; // libwmf has released what it took
        auto* fonctions = static_cast<wmfFunctionReference*>(api_->function_reference);
        fonctions->draw_ellipse = ellipseEnPolygone;
        api_->user_data = this;
        lireBitmapGd_ = fonctions->bmp_read;
        fonctions->bmp_read = lireBitmap;
        // libwmf only reads the buffer; its interface is not const-correct.
        auto* octets = reinterpret_cast<unsigned char*>(const_cast<char*>(contenu.constData()));
        if (wmf_mem_open(api_, octets, contenu.size()) != wmf_E_None)
            return;
        ouvert_ = true;
        if (wmf_scan(api_, 0, &cadre_) != wmf_E_None)
            return;
        unsigned int largeur = 0, hauteur = 0;
        if (wmf_display_size(api_, &largeur, &hauteur, kPointsParPouce, kPointsParPouce) !=
                wmf_E_None ||
            largeur == 0 || hauteur == 0 || largeur > INT_MAX || hauteur > INT_MAX)
            return;
        taille_ = QSize(int(largeur), int(hauteur));
    }
    ~Lecture() {
        if (ouvert_)
            wmf_mem_close(api_);
        if (api_)
            wmf_api_destroy(api_);
        libererGd(joue_);
    }
    Lecture(const Lecture&) = delete;
    Lecture& operator=(const Lecture&) = delete;

    // Invalid unless the metafile was opened and scanned.
    QSize taille() const { return taille_; }

    // Plays the metafile into a picture of `voulue` pixels: GD's pixels, row
    // after row; null when it could not be played.
    const int* jouer(QSize voulue) {
        wmf_gd_t* gd = WMF_GD_GetData(api_);
        gd->type = wmf_gd_image;
        gd->bbox = cadre_;
        gd->width = unsigned(voulue.width());
        gd->height = unsigned(voulue.height());
        const wmf_error_t erreur = wmf_play(api_, 0, &cadre_);
        joue_ = static_cast<gdImage*>(gd->gd_image);
        // The pixels are read as a block of the size asked: it must be that.
        if (erreur != wmf_E_None || bitmapIllisible_ || !joue_ || joue_->sx != voulue.width() ||
            joue_->sy != voulue.height())
            return nullptr;
        return wmf_gd_image_pixels(gd->gd_image);
    }

    // GD keeps 7 bits of transparency (0 opaque, 127 clear) above 8-bit RGB.
    static QRgb versQt(unsigned gd) {
        const unsigned transparence = (gd >> 24) & 0x7F;
        const unsigned alpha = 255 - (transparence * 255 + 63) / 127;
        return (alpha << 24) | (gd & 0xFFFFFF);
    }

private:
    // libwmf passes over a bitmap it cannot read (its sizes beyond its data
    // or beyond the memory allowed) and plays the rest: a picture with a
    // hole where the bitmap was is a damaged one, refused.
    static void lireBitmap(wmfAPI* api, wmfBMP_Read_t* lecture) {
        auto* self = static_cast<Lecture*>(api->user_data);
        self->lireBitmapGd_(api, lecture);
        self->bitmapIllisible_ = self->bitmapIllisible_ || !lecture->bmp.data;
    }

    wmfAPI* api_ = nullptr;
    bool ouvert_ = false;
    wmfD_Rect cadre_{};
    QSize taille_;
    gdImage* joue_ = nullptr;
    void (*lireBitmapGd_)(wmfAPI*, wmfBMP_Read_t*) = nullptr;
    bool bitmapIllisible_ = false;
};

} // namespace

bool estMetafichier(const QByteArray& debut) {
    if (debut.size() >= 4 && qFromLittleEndian<quint32>(debut.constData()) == 0x9AC6CDD7u)
        return true;
    if (debut.size() < 6)
        return false;
    const auto mot = [&](int i) { return qFromLittleEndian<quint16>(debut.constData() + 2 * i); };
    // In memory (1) or on disk (2); a header of 9 words; Windows 2 or 3.
    return (mot(0) == 1 || mot(0) == 2) && mot(1) == 9 && (mot(2) == 0x0100 || mot(2) == 0x0300);
}

namespace {

// libwmf may loop without end or ask for gigabytes on a damaged metafile: it
// plays in a child process, stopped after this time.
constexpr std::chrono::seconds kDuree{3};

// A metafile is accepted once it has played at the size a screen shows it.
constexpr int kCoteEssai = 1024;

// In the child: plays the metafile at `voulue` (its own size when invalid) or
// only tries it, and writes its own size, then the pixels it drew, as ARGB32.
bool jouer(const QByteArray& contenu, QSize voulue, bool pixels, qint64 limiteOctets, int sortie) {
    Lecture lecture(contenu);
    const QSize propre = lecture.taille();
    if (!propre.isValid())
        return false;
    QSize taille = voulue.isValid() && !voulue.isEmpty() ? voulue : propre;
    if (!pixels && (taille.width() > kCoteEssai || taille.height() > kCoteEssai))
        taille = taille.scaled(kCoteEssai, kCoteEssai, Qt::KeepAspectRatio).expandedTo({1, 1});
    // Drawn once by libwmf, then copied by the parent: two pictures at a time.
    if (2 * 4 * qint64(taille.width()) * taille.height() > limiteOctets)
        return false;
    const int* joues = lecture.jouer(taille);
    const qint32 entete[] = {propre.width(), propre.height()};
    if (!joues || !processus::ecrire(sortie, entete, sizeof entete))
        return false;
    if (!pixels)
        return true;
    std::vector<QRgb> ligne(size_t(taille.width()));
    for (int y = 0; y < taille.height(); ++y) {
        for (QRgb& pixel : ligne)
            pixel = Lecture::versQt(unsigned(*joues++));
        if (!processus::ecrire(sortie, ligne.data(), ligne.size() * sizeof(QRgb)))
            return false;
    }
    return true;
}

// The metafile played in a child, as `jouer` writes it; nothing when it failed.
std::optional<QByteArray> jouerIsole(const QByteArray& contenu, QSize voulue, bool pixels,
                                     qint64 limiteOctets) {
    if (!estMetafichier(contenu))
        return std::nullopt;
    const auto travail = [&](int sortie) {
        return jouer(contenu, voulue, pixels, limiteOctets, sortie);
    };
    return processus::executer(travail, {kDuree, limiteOctets});
}

constexpr qsizetype kEntete = 2 * sizeof(qint32);

QSize taillePropre(const QByteArray& recu) {
    const auto* entete = reinterpret_cast<const qint32*>(recu.constData());
    return QSize(entete[0], entete[1]);
}

} // namespace

QSize taille(const QByteArray& contenu, qint64 limiteOctets) {
    const auto recu = jouerIsole(contenu, {}, false, limiteOctets);
    if (!recu || recu->size() != kEntete)
        return {};
    return taillePropre(*recu);
}

QImage rendre(const QByteArray& contenu, QSize voulue, qint64 limiteOctets) {
    const auto recu = jouerIsole(contenu, voulue, true, limiteOctets);
    if (!recu || recu->size() < kEntete)
        return {};
    const QSize taille = voulue.isValid() && !voulue.isEmpty() ? voulue : taillePropre(*recu);
    if (taille.isEmpty() || recu->size() != kEntete + 4 * qint64(taille.width()) * taille.height())
        return {};
    const QImage joue(reinterpret_cast<const uchar*>(recu->constData() + kEntete), taille.width(),
                      taille.height(), 4 * taille.width(), QImage::Format_ARGB32);
    return joue.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace plateforme::wmf
