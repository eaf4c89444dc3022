var alg=[];
alg[0]='Bridgeclub €uro';
alg[1]='maandag';
alg[2]=0;
alg[3]=1;
alg[4]='Zoë Müller';
alg[5]='';
alg[6]=2;
alg[7]=0;
alg[8]=1;

var ikop=[];
ikop[0]='';
ikop[1]='Times New Roman';
ikop[2]=0;
ikop[3]=10;
ikop[4]='rgb(255,128,0)';
ikop[5]='rgb(0,0,255)';
ikop[6]=0;
ikop[7]='';
ikop[8]=0;
ikop[9]=-2;
ikop[10]='';
ikop[11]='';
ikop[12]=0;
ikop[13]=0;

var actem=[];
function ActemNaarDim()
{
}
ActemNaarDim();

var dag=[];
function DagenNaarDim()
{
}
DagenNaarDim();

function format(num, size) {
var s = num + '';
while (s.length < size) s = '0' + s;
return s;}

var idbnrbes=[];
var lid=[];
var DUM10='';
var DUM11='#000#001';
var DUM12='#000#001#003';
var DUM13='#000#012';

function LedenNaarDims()
{
lid[0]='-----  KIES NAAM  -----';
idbnrbes[0]='000000000000000000';
lid[1]='Zo\u00EB M\u00FCller';
idbnrbes[1]='000005000000000001';
lid[2]='Ben Bos';
idbnrbes[2]='000130000000000003';
lid[3]='Ren\u00E9 Dupr\u00E9';
idbnrbes[3]='1234567000000000012';
lid[4]='?ukasz Nowak';
idbnrbes[4]='000088000000000003';
}

LedenNaarDims();

function VulCombo(cmbnaam)
{
var frm=document.forms[0];
for (var i=0; i<lid.length; i++)
{
var oke = 0;
var zoek = idbnrbes[i].substring(15,18);
if (cmbnaam == 'naam1'){
    if (DUM10.indexOf(zoek) > -1){oke=1} 
    if (lid[i].substring(0,7)=='Partner') {oke=0}
    }
if (cmbnaam == 'partner'){
    if (DUM11.indexOf(zoek) > -1){oke=1} }
if (cmbnaam == 'inval1'){
    if (DUM12.indexOf(zoek) > -1){oke=1}
    if (lid[i].substring(0,7)=='Partner') {oke=0}
    }
if (cmbnaam == 'inval3'){
    if (DUM13.indexOf(zoek) > -1){oke=1} }
if (oke == 1) {
var y=document.createElement('option');
y.text=lid[i];
y.value=idbnrbes[i];
var x=frm.elements[cmbnaam];
try         {x.add(y,null);}
catch(ex)   {x.add(y);}
}
}
}

