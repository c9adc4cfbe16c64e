#include "Forms.h"

#include "TMain.h"
#include "TMobiNoua.h"
#include "TPiesaNoua.h"
#include "TCarPies.h"
#include "TTang.h"
#include "TSelePies.h"
#include "TDespre.h"
#include "TAdaugMob.h"
#include "TSalvImag.h"
#include "TJur_Imp.h"
#include "TRedimMob.h"
#include "TDistPiese.h"
#include "THelp.h"
#include "TIntrodCamera.h"
#include "TSchimbCulo.h"
#include "TOptimFoaie.h"
#include "TProiect.h"
#include "TSelProiect.h"
#include "TCreareSertar.h"
#include "TFeronerie.h"
#include "TIncarcDate.h"
#include "TVizualizarePoza.h"
#include "TPalPfl.h"
#include "TAdaugaFeronerie.h"
#include "TAdaugaPalPfl.h"
#include "TFeroneriePiesa.h"
#include "TCalculareDeviz.h"
#include "TSchimbareCodPalPfl.h"
#include "TRedimensionarePiesa.h"

namespace zv {

AppForms& Forms() {
    static AppForms forms;
    return forms;
}

namespace {
// Each window carries its place in the creation order (the property
// "creationOrder"), so that the order and the one creation of each window can
// be checked from outside.
template <class Form> Form* Create(int& order) {
    Form* w = new Form();
    w->setProperty("creationOrder", order++);
    return w;
}
} // namespace

void CreateForms() {
    AppForms& f = Forms();
    int order = 0;
    // Later windows read the main window while they are created.
    f.Main = Create<TMain>(order);
    f.MobiNoua = Create<TMobiNoua>(order);
    f.PiesaNoua = Create<TPiesaNoua>(order);
    f.CarPies = Create<TCarPies>(order);
    f.Tang = Create<TTang>(order);
    f.SelePies = Create<TSelePies>(order);
    f.Despre = Create<TDespre>(order);
    f.AdaugMob = Create<TAdaugMob>(order);
    f.SalvImag = Create<TSalvImag>(order);
    f.Jur_Imp = Create<TJur_Imp>(order);
    f.RedimMob = Create<TRedimMob>(order);
    f.DistPiese = Create<TDistPiese>(order);
    f.Help = Create<THelp>(order);
    f.IntrodCamera = Create<TIntrodCamera>(order);
    f.SchimbCulo = Create<TSchimbCulo>(order);
    f.OptimFoaie = Create<TOptimFoaie>(order);
    f.Proiect = Create<TProiect>(order);
    f.SelProiect = Create<TSelProiect>(order);
    f.CreareSertar = Create<TCreareSertar>(order);
    f.Feronerie = Create<TFeronerie>(order);
    f.IncarcDate = Create<TIncarcDate>(order);
    f.VizualizarePoza = Create<TVizualizarePoza>(order);
    f.PalPfl = Create<TPalPfl>(order);
    f.AdaugaFeronerie = Create<TAdaugaFeronerie>(order);
    f.AdaugaPalPfl = Create<TAdaugaPalPfl>(order);
    f.FeroneriePiesa = Create<TFeroneriePiesa>(order);
    f.CalculareDeviz = Create<TCalculareDeviz>(order);
    f.SchimbareCodPalPfl = Create<TSchimbareCodPalPfl>(order);
    f.RedimensionarePiesa = Create<TRedimensionarePiesa>(order);
}

void DestroyForms() {
    AppForms& f = Forms();
    delete f.RedimensionarePiesa;
    f.RedimensionarePiesa = nullptr;
    delete f.SchimbareCodPalPfl;
    f.SchimbareCodPalPfl = nullptr;
    delete f.CalculareDeviz;
    f.CalculareDeviz = nullptr;
    delete f.FeroneriePiesa;
    f.FeroneriePiesa = nullptr;
    delete f.AdaugaPalPfl;
    f.AdaugaPalPfl = nullptr;
    delete f.AdaugaFeronerie;
    f.AdaugaFeronerie = nullptr;
    delete f.PalPfl;
    f.PalPfl = nullptr;
    delete f.VizualizarePoza;
    f.VizualizarePoza = nullptr;
    delete f.IncarcDate;
    f.IncarcDate = nullptr;
    delete f.Feronerie;
    f.Feronerie = nullptr;
    delete f.CreareSertar;
    f.CreareSertar = nullptr;
    delete f.SelProiect;
    f.SelProiect = nullptr;
    delete f.Proiect;
    f.Proiect = nullptr;
    delete f.OptimFoaie;
    f.OptimFoaie = nullptr;
    delete f.SchimbCulo;
    f.SchimbCulo = nullptr;
    delete f.IntrodCamera;
    f.IntrodCamera = nullptr;
    delete f.Help;
    f.Help = nullptr;
    delete f.DistPiese;
    f.DistPiese = nullptr;
    delete f.RedimMob;
    f.RedimMob = nullptr;
    delete f.Jur_Imp;
    f.Jur_Imp = nullptr;
    delete f.SalvImag;
    f.SalvImag = nullptr;
    delete f.AdaugMob;
    f.AdaugMob = nullptr;
    delete f.Despre;
    f.Despre = nullptr;
    delete f.SelePies;
    f.SelePies = nullptr;
    delete f.Tang;
    f.Tang = nullptr;
    delete f.CarPies;
    f.CarPies = nullptr;
    delete f.PiesaNoua;
    f.PiesaNoua = nullptr;
    delete f.MobiNoua;
    f.MobiNoua = nullptr;
    delete f.Main;
    f.Main = nullptr;
}

} // namespace zv
