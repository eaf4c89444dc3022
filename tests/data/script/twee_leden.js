var alg=[];
alg[0]='BC De Troef';
alg[1]='donderdag-avond';
alg[2]=1;
alg[3]=0;
alg[4]='Piet Bakker';
alg[5]='15:30';
alg[6]=1;
alg[7]=1;
alg[8]=1;

var ikop=[];
ikop[0]='BC De Troef';
ikop[1]='Arial';
ikop[2]=1;
ikop[3]=24;
ikop[4]='rgb(0,0,0)';
ikop[5]='rgb(255,255,0)';
ikop[6]=1;
ikop[7]='000001.jpg';
ikop[8]=5;
ikop[9]=20;
ikop[10]='abcde';
ikop[11]='info@troef.nl';
ikop[12]=750;
ikop[13]=100;

var actem=[];
function ActemNaarDim()
{
actem[0]='afmelden@troef.nl';
actem[1]='secretaris@troef.nl';
}
ActemNaarDim();

var dag=[];
function DagenNaarDim()
{
dag[0]='20250904';
dag[1]='20250911';
}
DagenNaarDim();

function format(num, size) {
var s = num + '';
while (s.length < size) s = '0' + s;
return s;}

var idbnrbes=[];
var lid=[];
var DUM10='#000#002';
var DUM11='#000#002';
var DUM12='#000#003';
var DUM13='#000#002#003';

function LedenNaarDims()
{
lid[0]='-----  KIES NAAM  -----';
idbnrbes[0]='000000000000000000';
lid[1]='Jan van Dijk';
idbnrbes[1]='001234000005678002';
lid[2]='Els de Wit';
idbnrbes[2]='000077000000000003';
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

