#include "platform/gdi/raster/RasterKernels.h"

#include "platform/Gdi.h"

#include <algorithm>
#include <cwchar>

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

constexpr Pixel kOpaque = 0xFF000000u;

// The generic evaluator: one mask per minterm of the truth table, chosen
// once per row so that the pixel loop has no branches.
struct GenericRop {
    Pixel m[8];
    explicit GenericRop(BYTE rop)
    {
        for (int i = 0; i < 8; ++i)
            m[i] = (rop >> i) & 1 ? ~Pixel(0) : 0;
    }
    Pixel operator()(Pixel p, Pixel s, Pixel d) const
    {
        Pixel np = ~p, ns = ~s, nd = ~d;
        return (m[7] & p & s & d) | (m[6] & p & s & nd) | (m[5] & p & ns & d) | (m[4] & p & ns & nd)
               | (m[3] & np & s & d) | (m[2] & np & s & nd) | (m[1] & np & ns & d) | (m[0] & np & ns & nd);
    }
};

// The named operations, each as its simplified expression.
struct SrcPaint {
    explicit SrcPaint(BYTE) {}
    Pixel operator()(Pixel, Pixel s, Pixel d) const { return s | d; }
};
struct SrcAnd {
    explicit SrcAnd(BYTE) {}
    Pixel operator()(Pixel, Pixel s, Pixel d) const { return s & d; }
};
struct SrcInvert {
    explicit SrcInvert(BYTE) {}
    Pixel operator()(Pixel, Pixel s, Pixel d) const { return s ^ d; }
};
struct SrcErase {
    explicit SrcErase(BYTE) {}
    Pixel operator()(Pixel, Pixel s, Pixel d) const { return s & ~d; }
};
struct NotSrcCopy {
    explicit NotSrcCopy(BYTE) {}
    Pixel operator()(Pixel, Pixel s, Pixel) const { return ~s; }
};
struct NotSrcErase {
    explicit NotSrcErase(BYTE) {}
    Pixel operator()(Pixel, Pixel s, Pixel d) const { return ~(s | d); }
};
struct MergePaint {
    explicit MergePaint(BYTE) {}
    Pixel operator()(Pixel, Pixel s, Pixel d) const { return ~s | d; }
};
struct MergeCopy {
    explicit MergeCopy(BYTE) {}
    Pixel operator()(Pixel p, Pixel s, Pixel) const { return p & s; }
};
struct PatPaint {
    explicit PatPaint(BYTE) {}
    Pixel operator()(Pixel p, Pixel s, Pixel d) const { return p | ~s | d; }
};

template <class Op>
void ropRowSolid(Pixel* d, const Pixel* s, int count, PatternRow pattern, BYTE rop)
{
    const Op op(rop);
    const Pixel p = pattern.cells[0];
    for (int i = 0; i < count; ++i)
        d[i] = op(p, s[i], d[i]) | kOpaque;
}

template <class Op>
void ropRowPatterned(Pixel* d, const Pixel* s, int count, PatternRow pattern, BYTE rop)
{
    const Op op(rop);
    for (int i = 0; i < count; ++i)
        d[i] = op(pattern.cells[(pattern.phase + i) & 7], s[i], d[i]) | kOpaque;
}

template <class Op>
RopRowKernel kernelFor(bool patterned)
{
    return patterned ? ropRowPatterned<Op> : ropRowSolid<Op>;
}

} // namespace

Pixel ApplyRop3(BYTE rop, Pixel pattern, Pixel source, Pixel destination)
{
    return GenericRop(rop)(pattern, source, destination) | kOpaque;
}

RopRowKernel RopRowKernelFor(BYTE rop, bool patterned)
{
    // Operations that ignore the pattern never need the patterned loop.
    if (!RopUsesPattern(rop))
        patterned = false;
    switch (rop) {
    case RopByte(SRCPAINT): return ropRowSolid<SrcPaint>;
    case RopByte(SRCAND): return ropRowSolid<SrcAnd>;
    case RopByte(SRCINVERT): return ropRowSolid<SrcInvert>;
    case RopByte(SRCERASE): return ropRowSolid<SrcErase>;
    case RopByte(NOTSRCCOPY): return ropRowSolid<NotSrcCopy>;
    case RopByte(NOTSRCERASE): return ropRowSolid<NotSrcErase>;
    case RopByte(MERGEPAINT): return ropRowSolid<MergePaint>;
    case RopByte(MERGECOPY): return kernelFor<MergeCopy>(patterned);
    case RopByte(PATPAINT): return kernelFor<PatPaint>(patterned);
    default: return kernelFor<GenericRop>(patterned);
    }
}

void KeyedCopyRow(Pixel* d, const Pixel* s, int count, Pixel key)
{
    key &= 0x00FFFFFFu;
    int i = 0;
#ifdef __SSE2__
    const __m128i keyVector = _mm_set1_epi32(int(key));
    const __m128i colourMask = _mm_set1_epi32(0x00FFFFFF);
    for (; i + 4 <= count; i += 4) {
        // Branch-free: key runs start and end anywhere, and a mispredicted
        // branch costs more than the select.
        __m128i sv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        __m128i dv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
        __m128i isKey = _mm_cmpeq_epi32(_mm_and_si128(sv, colourMask), keyVector);
        __m128i r = _mm_or_si128(_mm_and_si128(isKey, dv), _mm_andnot_si128(isKey, sv));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), r);
    }
#endif
    for (; i < count; ++i)
        if ((s[i] & 0x00FFFFFFu) != key)
            d[i] = s[i];
}

#ifdef __SSE2__
namespace {

// The pair arithmetic of BlendPixel on four pixels: each 32-bit lane holds
// a channel pair in its two 16-bit halves, so one 16-bit multiply per half
// is exactly the pair's 32-bit multiply.
inline __m128i blendFour(__m128i sv, __m128i dv, __m128i weight, __m128i inverse)
{
    const __m128i low = _mm_set1_epi32(0x00FF00FF);
    const __m128i half = _mm_set1_epi16(0x0080);
    __m128i srb = _mm_and_si128(sv, low);
    __m128i sag = _mm_srli_epi16(sv, 8);
    __m128i drb = _mm_and_si128(dv, low);
    __m128i dag = _mm_srli_epi16(dv, 8);
    __m128i rb = _mm_add_epi16(_mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(srb, weight), half), 8),
                               _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(drb, inverse), half), 8));
    __m128i ag = _mm_add_epi16(_mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(sag, weight), half), 8),
                               _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(dag, inverse), half), 8));
    return _mm_or_si128(rb, _mm_slli_epi16(ag, 8));
}

} // namespace
#endif

namespace {

void blendRowSourceAlphaSse2(Pixel* d, const Pixel* s, int count)
{
    int i = 0;
#ifdef __SSE2__
    const __m128i full = _mm_set1_epi16(255);
    const __m128i zero = _mm_setzero_si128();
    for (; i + 4 <= count; i += 4) {
        __m128i sv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        // Each pixel's alpha in both halves of its lane.
        __m128i alpha = _mm_srli_epi16(sv, 8);
        alpha = _mm_shufflehi_epi16(_mm_shufflelo_epi16(alpha, _MM_SHUFFLE(3, 3, 1, 1)), _MM_SHUFFLE(3, 3, 1, 1));
        __m128i isOpaque = _mm_cmpeq_epi16(alpha, full);
        __m128i isClear = _mm_cmpeq_epi16(alpha, zero);
        int opaqueMask = _mm_movemask_epi8(isOpaque), clearMask = _mm_movemask_epi8(isClear);
        if (opaqueMask == 0xFFFF) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), sv);
            continue;
        }
        if (clearMask == 0xFFFF)
            continue;
        __m128i dv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
        // Weights 256 and 0 make the same arithmetic give s (alpha 255) or
        // d (alpha 0) exactly: (256*x + 128) >> 8 = x.
        __m128i weight = _mm_sub_epi16(alpha, isOpaque);
        __m128i inverse = _mm_sub_epi16(_mm_sub_epi16(full, alpha), isClear);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), blendFour(sv, dv, weight, inverse));
    }
#endif
    for (; i < count; ++i)
        d[i] = BlendPixel(s[i], d[i], s[i] >> 24);
}

#if defined(__GNUC__) && defined(__x86_64__)
#define BRIO_BLEND_AVX2 1

// The same arithmetic eight pixels at a time, for processors that have the
// wider registers; the blend is the one kernel that needs them.
__attribute__((target("avx2"))) void blendRowSourceAlphaAvx2(Pixel* d, const Pixel* s, int count)
{
    const __m256i low = _mm256_set1_epi32(0x00FF00FF);
    const __m256i half = _mm256_set1_epi16(0x0080);
    const __m256i full = _mm256_set1_epi16(255);
    const __m256i zero = _mm256_setzero_si256();
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        __m256i sv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i));
        __m256i alpha = _mm256_srli_epi16(sv, 8);
        alpha = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(alpha, _MM_SHUFFLE(3, 3, 1, 1)), _MM_SHUFFLE(3, 3, 1, 1));
        __m256i isOpaque = _mm256_cmpeq_epi16(alpha, full);
        __m256i isClear = _mm256_cmpeq_epi16(alpha, zero);
        if (_mm256_movemask_epi8(isOpaque) == -1) {
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i), sv);
            continue;
        }
        if (_mm256_movemask_epi8(isClear) == -1)
            continue;
        __m256i dv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d + i));
        __m256i weight = _mm256_sub_epi16(alpha, isOpaque);
        __m256i inverse = _mm256_sub_epi16(_mm256_sub_epi16(full, alpha), isClear);
        __m256i srb = _mm256_and_si256(sv, low), sag = _mm256_srli_epi16(sv, 8);
        __m256i drb = _mm256_and_si256(dv, low), dag = _mm256_srli_epi16(dv, 8);
        __m256i rb =
            _mm256_add_epi16(_mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(srb, weight), half), 8),
                             _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(drb, inverse), half), 8));
        __m256i ag =
            _mm256_add_epi16(_mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(sag, weight), half), 8),
                             _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(dag, inverse), half), 8));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i), _mm256_or_si256(rb, _mm256_slli_epi16(ag, 8)));
    }
    blendRowSourceAlphaSse2(d + i, s + i, count - i);
}
#endif

using BlendRowKernel = void (*)(Pixel*, const Pixel*, int);

BlendRowKernel pickBlendRowSourceAlpha()
{
#ifdef BRIO_BLEND_AVX2
    if (__builtin_cpu_supports("avx2"))
        return blendRowSourceAlphaAvx2;
#endif
    return blendRowSourceAlphaSse2;
}

} // namespace

void BlendRowSourceAlpha(Pixel* d, const Pixel* s, int count)
{
    static const BlendRowKernel kernel = pickBlendRowSourceAlpha();
    kernel(d, s, count);
}

void BlendRowAlphaTable(Pixel* d, const Pixel* s, int count, const BYTE* weightOfAlpha)
{
    for (int i = 0; i < count; ++i)
        d[i] = BlendPixel(s[i], d[i], weightOfAlpha[s[i] >> 24]);
}

void BlendRowConstant(Pixel* d, const Pixel* s, int count, unsigned a)
{
    if (a == 0)
        return;
    int i = 0;
#ifdef __SSE2__
    if (a < 255) {
        const __m128i weight = _mm_set1_epi16(short(a));
        const __m128i inverse = _mm_set1_epi16(short(255 - a));
        for (; i + 4 <= count; i += 4) {
            __m128i sv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
            __m128i dv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), blendFour(sv, dv, weight, inverse));
        }
    }
#endif
    for (; i < count; ++i)
        d[i] = BlendPixel(s[i], d[i], a);
}

void FillPixels(Pixel* d, std::size_t count, Pixel value)
{
    // The C library's wide-character fill is a 32-bit memset, tuned as well
    // as memset itself.
    if constexpr (sizeof(wchar_t) == sizeof(Pixel))
        std::wmemset(reinterpret_cast<wchar_t*>(d), static_cast<wchar_t>(value), count);
    else
        std::fill_n(d, count, value);
}

void GatherRow(Pixel* d, const Pixel* sourceRow, const int* columns, int count)
{
    for (int i = 0; i < count; ++i)
        d[i] = sourceRow[columns[i]];
}
