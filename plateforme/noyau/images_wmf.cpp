#include "plateforme/noyau/images_wmf.h"

#include <QtEndian>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <libwmf/api.h>
#include <libwmf/gd.h>
#include <libwmf/gd/gd.h>
#include <libwmf/ipa.h>
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
        static_cast<wmfFunctionReference*>(api_->function_reference)->draw_ellipse =
            ellipseEnPolygone;
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

    QImage jouer(QSize voulue) {
        wmf_gd_t* gd = WMF_GD_GetData(api_);
        gd->type = wmf_gd_image;
        gd->bbox = cadre_;
        gd->width = unsigned(voulue.width());
        gd->height = unsigned(voulue.height());
        const wmf_error_t erreur = wmf_play(api_, 0, &cadre_);
        joue_ = static_cast<gdImage*>(gd->gd_image);
        // The pixels are read as a block of the size asked: it must be that.
        if (erreur != wmf_E_None || !joue_ || joue_->sx != voulue.width() ||
            joue_->sy != voulue.height())
            return {};
        const int* pixels = wmf_gd_image_pixels(gd->gd_image);
        if (!pixels)
            return {};
        QImage image(voulue, QImage::Format_ARGB32);
        if (image.isNull())
            return {};
        for (int y = 0; y < voulue.height(); ++y) {
            auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < voulue.width(); ++x)
                ligne[x] = versQt(unsigned(*pixels++));
        }
        return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }

private:
    // GD keeps 7 bits of transparency (0 opaque, 127 clear) above 8-bit RGB.
    static QRgb versQt(unsigned gd) {
        const unsigned transparence = (gd >> 24) & 0x7F;
        const unsigned alpha = 255 - (transparence * 255 + 63) / 127;
        return (alpha << 24) | (gd & 0xFFFFFF);
    }

    wmfAPI* api_ = nullptr;
    bool ouvert_ = false;
    wmfD_Rect cadre_{};
    QSize taille_;
    gdImage* joue_ = nullptr;
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

QSize taille(const QByteArray& contenu) {
    if (!estMetafichier(contenu))
        return {};
    return Lecture(contenu).taille();
}

QImage rendre(const QByteArray& contenu, QSize voulue, qint64 limiteOctets) {
    if (!estMetafichier(contenu))
        return {};
    Lecture lecture(contenu);
    const QSize propre = lecture.taille();
    if (!propre.isValid())
        return {};
    const QSize taille = voulue.isValid() && !voulue.isEmpty() ? voulue : propre;
    // Drawn once by libwmf, then copied: two pictures at a time.
    if (2 * 4 * qint64(taille.width()) * taille.height() > limiteOctets)
        return {};
    return lecture.jouer(taille);
}

} // namespace plateforme::wmf
