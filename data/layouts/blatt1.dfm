object Blatt1: TBlatt1
  Left = 0
  Top = 0
  Width = 703
  Height = 881
  Caption = 'Gesamtübersicht Blatt 1'
  PixelsPerInch = 96
  TextHeight = 13
  object Lbl1: TLabel
    Left = 0
    Top = 14
    Width = 701
    Height = 22
    Alignment = taLeftJustify
    Caption = 'Grunddaten und Einsparungen'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -18
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Shp2: TShape
    Left = 0
    Top = 54
    Width = 703
    Height = 115
    Brush.Style = bsClear
  end
  object Lbl3: TLabel
    Left = 8
    Top = 60
    Width = 685
    Height = 18
    Alignment = taLeftJustify
    Caption = 'Grunddaten der Zeitstudien'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -14
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lin4: TShape
    Left = 0
    Top = 82
    Width = 703
    Height = 1
    Brush.Style = bsClear
  end
  object Lbl5: TLabel
    Left = 10
    Top = 92
    Width = 229
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Anzahl Zeitstudien pro Jahr'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt6: TEdit
    Left = 242
    Top = 92
    Width = 59
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 0
    Tag = 2
    Text = ''
  end
  object Lbl7: TLabel
    Left = 308
    Top = 92
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Studien'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl8: TLabel
    Left = 10
    Top = 116
    Width = 229
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Durchschnittliche Dauer einer Zeitstudie'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt9: TEdit
    Left = 242
    Top = 116
    Width = 59
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 1
    Tag = 2
    Text = ''
  end
  object Lbl10: TLabel
    Left = 308
    Top = 116
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = 'h'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl11: TLabel
    Left = 10
    Top = 140
    Width = 229
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Kostensatz des Zeitstudienmitarbeiters'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt12: TEdit
    Left = 242
    Top = 140
    Width = 59
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 5
    Tag = 2
    Text = ''
  end
  object Lbl13: TLabel
    Left = 308
    Top = 140
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = '€ / h'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl14: TLabel
    Left = 420
    Top = 92
    Width = 169
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Anteil Vorbereitung'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt15: TEdit
    Left = 592
    Top = 92
    Width = 59
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 2
    Tag = 2
    Text = ''
  end
  object Lbl16: TLabel
    Left = 658
    Top = 92
    Width = 43
    Height = 16
    Alignment = taLeftJustify
    Caption = '%'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl17: TLabel
    Left = 420
    Top = 116
    Width = 169
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Anteil Durchführung'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt18: TEdit
    Left = 592
    Top = 116
    Width = 59
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 3
    Tag = 2
    Text = ''
  end
  object Lbl19: TLabel
    Left = 658
    Top = 116
    Width = 43
    Height = 16
    Alignment = taLeftJustify
    Caption = '%'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl20: TLabel
    Left = 420
    Top = 140
    Width = 169
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Anteil Auswertung'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt21: TEdit
    Left = 592
    Top = 140
    Width = 59
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 4
    Tag = 2
    Text = ''
  end
  object Lbl22: TLabel
    Left = 658
    Top = 140
    Width = 43
    Height = 16
    Alignment = taLeftJustify
    Caption = '%'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Shp23: TShape
    Left = 0
    Top = 184
    Width = 703
    Height = 179
    Brush.Style = bsClear
  end
  object Lbl24: TLabel
    Left = 8
    Top = 190
    Width = 685
    Height = 18
    Alignment = taLeftJustify
    Caption = 'Manuelle Zeitstudien'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -14
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lin25: TShape
    Left = 0
    Top = 212
    Width = 703
    Height = 1
    Brush.Style = bsClear
  end
  object Lbl26: TLabel
    Left = 336
    Top = 220
    Width = 175
    Height = 16
    Alignment = taCenter
    Caption = 'pro Jahr'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lbl27: TLabel
    Left = 516
    Top = 220
    Width = 175
    Height = 16
    Alignment = taCenter
    Caption = 'pro Monat'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lbl28: TLabel
    Left = 336
    Top = 240
    Width = 85
    Height = 16
    Alignment = taCenter
    Caption = 'Dauer [h]'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl29: TLabel
    Left = 426
    Top = 240
    Width = 85
    Height = 16
    Alignment = taCenter
    Caption = 'Kosten [€]'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl30: TLabel
    Left = 516
    Top = 240
    Width = 85
    Height = 16
    Alignment = taCenter
    Caption = 'Dauer [h]'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl31: TLabel
    Left = 606
    Top = 240
    Width = 85
    Height = 16
    Alignment = taCenter
    Caption = 'Kosten [€]'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lin32: TShape
    Left = 8
    Top = 258
    Width = 687
    Height = 1
    Brush.Style = bsClear
  end
  object Lbl33: TLabel
    Left = 10
    Top = 262
    Width = 319
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Zeitstudien insgesamt'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Edt34: TEdit
    Left = 344
    Top = 262
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 6
    Tag = 2
    Text = ''
  end
  object Edt35: TEdit
    Left = 420
    Top = 262
    Width = 85
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 10
    Tag = 2
    Text = ''
  end
  object Edt36: TEdit
    Left = 524
    Top = 262
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 14
    Tag = 2
    Text = ''
  end
  object Edt37: TEdit
    Left = 600
    Top = 262
    Width = 85
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 18
    Tag = 2
    Text = ''
  end
  object Lbl38: TLabel
    Left = 10
    Top = 286
    Width = 319
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Vorbereitung'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt39: TEdit
    Left = 344
    Top = 286
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 7
    Tag = 2
    Text = ''
  end
  object Edt40: TEdit
    Left = 420
    Top = 286
    Width = 85
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 11
    Tag = 2
    Text = ''
  end
  object Edt41: TEdit
    Left = 524
    Top = 286
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 15
    Tag = 2
    Text = ''
  end
  object Edt42: TEdit
    Left = 600
    Top = 286
    Width = 85
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 19
    Tag = 2
    Text = ''
  end
  object Lbl43: TLabel
    Left = 10
    Top = 310
    Width = 319
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Durchführung'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt44: TEdit
    Left = 344
    Top = 310
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 8
    Tag = 2
    Text = ''
  end
  object Edt45: TEdit
    Left = 420
    Top = 310
    Width = 85
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 12
    Tag = 2
    Text = ''
  end
  object Edt46: TEdit
    Left = 524
    Top = 310
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 16
    Tag = 2
    Text = ''
  end
  object Edt47: TEdit
    Left = 600
    Top = 310
    Width = 85
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 20
    Tag = 2
    Text = ''
  end
  object Lbl48: TLabel
    Left = 10
    Top = 334
    Width = 319
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Auswertung'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt49: TEdit
    Left = 344
    Top = 334
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 9
    Tag = 2
    Text = ''
  end
  object Edt50: TEdit
    Left = 420
    Top = 334
    Width = 85
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 13
    Tag = 2
    Text = ''
  end
  object Edt51: TEdit
    Left = 524
    Top = 334
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 17
    Tag = 2
    Text = ''
  end
  object Edt52: TEdit
    Left = 600
    Top = 334
    Width = 85
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 21
    Tag = 2
    Text = ''
  end
  object Shp53: TShape
    Left = 0
    Top = 378
    Width = 703
    Height = 179
    Brush.Style = bsClear
  end
  object Lbl54: TLabel
    Left = 8
    Top = 384
    Width = 685
    Height = 18
    Alignment = taLeftJustify
    Caption = 'Einsparung durch das Zeitstudiensystem'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -14
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lin55: TShape
    Left = 0
    Top = 406
    Width = 703
    Height = 1
    Brush.Style = bsClear
  end
  object Lbl56: TLabel
    Left = 336
    Top = 414
    Width = 175
    Height = 16
    Alignment = taCenter
    Caption = 'pro Jahr'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lbl57: TLabel
    Left = 516
    Top = 414
    Width = 175
    Height = 16
    Alignment = taCenter
    Caption = 'pro Monat'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lbl58: TLabel
    Left = 246
    Top = 434
    Width = 85
    Height = 16
    Alignment = taCenter
    Caption = 'Anteil [%]'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl59: TLabel
    Left = 336
    Top = 434
    Width = 85
    Height = 16
    Alignment = taCenter
    Caption = 'Dauer [h]'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl60: TLabel
    Left = 426
    Top = 434
    Width = 85
    Height = 16
    Alignment = taCenter
    Caption = 'Kosten [€]'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl61: TLabel
    Left = 516
    Top = 434
    Width = 85
    Height = 16
    Alignment = taCenter
    Caption = 'Dauer [h]'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl62: TLabel
    Left = 606
    Top = 434
    Width = 85
    Height = 16
    Alignment = taCenter
    Caption = 'Kosten [€]'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lin63: TShape
    Left = 8
    Top = 452
    Width = 687
    Height = 1
    Brush.Style = bsClear
  end
  object Lbl64: TLabel
    Left = 10
    Top = 456
    Width = 229
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Vorbereitung'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt65: TEdit
    Left = 254
    Top = 456
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 23
    Tag = 2
    Text = ''
  end
  object Edt66: TEdit
    Left = 344
    Top = 456
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 27
    Tag = 2
    Text = ''
  end
  object Edt67: TEdit
    Left = 420
    Top = 456
    Width = 85
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 31
    Tag = 2
    Text = ''
  end
  object Edt68: TEdit
    Left = 524
    Top = 456
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 35
    Tag = 2
    Text = ''
  end
  object Edt69: TEdit
    Left = 600
    Top = 456
    Width = 85
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 39
    Tag = 2
    Text = ''
  end
  object Lbl70: TLabel
    Left = 10
    Top = 480
    Width = 229
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Durchführung'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt71: TEdit
    Left = 254
    Top = 480
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 24
    Tag = 2
    Text = ''
  end
  object Edt72: TEdit
    Left = 344
    Top = 480
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 28
    Tag = 2
    Text = ''
  end
  object Edt73: TEdit
    Left = 420
    Top = 480
    Width = 85
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 32
    Tag = 2
    Text = ''
  end
  object Edt74: TEdit
    Left = 524
    Top = 480
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 36
    Tag = 2
    Text = ''
  end
  object Edt75: TEdit
    Left = 600
    Top = 480
    Width = 85
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 40
    Tag = 2
    Text = ''
  end
  object Lbl76: TLabel
    Left = 10
    Top = 504
    Width = 229
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Auswertung'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt77: TEdit
    Left = 254
    Top = 504
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 25
    Tag = 2
    Text = ''
  end
  object Edt78: TEdit
    Left = 344
    Top = 504
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 29
    Tag = 2
    Text = ''
  end
  object Edt79: TEdit
    Left = 420
    Top = 504
    Width = 85
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 33
    Tag = 2
    Text = ''
  end
  object Edt80: TEdit
    Left = 524
    Top = 504
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 37
    Tag = 2
    Text = ''
  end
  object Edt81: TEdit
    Left = 600
    Top = 504
    Width = 85
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 41
    Tag = 2
    Text = ''
  end
  object Lbl82: TLabel
    Left = 10
    Top = 528
    Width = 229
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Insgesamt'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Edt83: TEdit
    Left = 254
    Top = 528
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 22
    Tag = 2
    Text = ''
  end
  object Edt84: TEdit
    Left = 344
    Top = 528
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 26
    Tag = 2
    Text = ''
  end
  object Edt85: TEdit
    Left = 420
    Top = 528
    Width = 85
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 30
    Tag = 2
    Text = ''
  end
  object Edt86: TEdit
    Left = 524
    Top = 528
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 34
    Tag = 2
    Text = ''
  end
  object Edt87: TEdit
    Left = 600
    Top = 528
    Width = 85
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 38
    Tag = 2
    Text = ''
  end
  object Shp88: TShape
    Left = 0
    Top = 572
    Width = 703
    Height = 155
    Brush.Style = bsClear
  end
  object Lbl89: TLabel
    Left = 8
    Top = 578
    Width = 685
    Height = 18
    Alignment = taLeftJustify
    Caption = 'Einsparung durch Planzeiten'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -14
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lin90: TShape
    Left = 0
    Top = 600
    Width = 703
    Height = 1
    Brush.Style = bsClear
  end
  object Lbl91: TLabel
    Left = 336
    Top = 608
    Width = 175
    Height = 16
    Alignment = taCenter
    Caption = 'pro Jahr'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lbl92: TLabel
    Left = 516
    Top = 608
    Width = 175
    Height = 16
    Alignment = taCenter
    Caption = 'pro Monat'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lbl93: TLabel
    Left = 246
    Top = 628
    Width = 85
    Height = 16
    Alignment = taCenter
    Caption = 'Anteil [%]'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl94: TLabel
    Left = 336
    Top = 628
    Width = 85
    Height = 16
    Alignment = taCenter
    Caption = 'Dauer [h]'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl95: TLabel
    Left = 426
    Top = 628
    Width = 85
    Height = 16
    Alignment = taCenter
    Caption = 'Kosten [€]'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl96: TLabel
    Left = 516
    Top = 628
    Width = 85
    Height = 16
    Alignment = taCenter
    Caption = 'Dauer [h]'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl97: TLabel
    Left = 606
    Top = 628
    Width = 85
    Height = 16
    Alignment = taCenter
    Caption = 'Kosten [€]'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lin98: TShape
    Left = 8
    Top = 646
    Width = 687
    Height = 1
    Brush.Style = bsClear
  end
  object Lbl99: TLabel
    Left = 10
    Top = 650
    Width = 229
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Reduzierung von Zeitstudien'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt100: TEdit
    Left = 254
    Top = 650
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 42
    Tag = 2
    Text = ''
  end
  object Edt101: TEdit
    Left = 344
    Top = 650
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 45
    Tag = 2
    Text = ''
  end
  object Edt102: TEdit
    Left = 420
    Top = 650
    Width = 85
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 48
    Tag = 2
    Text = ''
  end
  object Edt103: TEdit
    Left = 524
    Top = 650
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 51
    Tag = 2
    Text = ''
  end
  object Edt104: TEdit
    Left = 600
    Top = 650
    Width = 85
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 54
    Tag = 2
    Text = ''
  end
  object Lbl105: TLabel
    Left = 10
    Top = 674
    Width = 229
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Resteinsparung durch Zeitstudiensystem'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt106: TEdit
    Left = 254
    Top = 674
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 43
    Tag = 2
    Text = ''
  end
  object Edt107: TEdit
    Left = 344
    Top = 674
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 46
    Tag = 2
    Text = ''
  end
  object Edt108: TEdit
    Left = 420
    Top = 674
    Width = 85
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 49
    Tag = 2
    Text = ''
  end
  object Edt109: TEdit
    Left = 524
    Top = 674
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 52
    Tag = 2
    Text = ''
  end
  object Edt110: TEdit
    Left = 600
    Top = 674
    Width = 85
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 55
    Tag = 2
    Text = ''
  end
  object Lbl111: TLabel
    Left = 10
    Top = 698
    Width = 229
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Gesamteinsparung beider Systeme'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Edt112: TEdit
    Left = 254
    Top = 698
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 44
    Tag = 2
    Text = ''
  end
  object Edt113: TEdit
    Left = 344
    Top = 698
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 47
    Tag = 2
    Text = ''
  end
  object Edt114: TEdit
    Left = 420
    Top = 698
    Width = 85
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 50
    Tag = 2
    Text = ''
  end
  object Edt115: TEdit
    Left = 524
    Top = 698
    Width = 71
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 53
    Tag = 2
    Text = ''
  end
  object Edt116: TEdit
    Left = 600
    Top = 698
    Width = 85
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 56
    Tag = 2
    Text = ''
  end
  object Lbl117: TLabel
    Left = 0
    Top = 742
    Width = 701
    Height = 15
    Alignment = taLeftJustify
    Caption = 'Monatswerte sind die Jahreswerte geteilt durch 12. Anteile in Prozent der jeweiligen Zeit.'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object PbxBreite118: TPaintBox
    Left = 702
    Top = 0
    Width = 0
    Height = 0
  end
  object PbxHoehe119: TPaintBox
    Left = 0
    Top = 880
    Width = 0
    Height = 0
  end
end
